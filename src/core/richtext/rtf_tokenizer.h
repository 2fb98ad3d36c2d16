#pragma once

#include "core/richtext/rtf_token.h"

#include <QByteArrayView>

// Cuts RTF bytes into tokens. It never fails: whatever the input, every call consumes at least
// one byte until End, so a reader built on it always terminates. Numbers are clamped and
// control words truncated, so no input can make a token large or a parameter overflow.
class RtfTokenizer
{
public:
    static constexpr int kMaxWordLength = 32;
    static constexpr int kParameterLimit = 1'000'000'000;

    explicit RtfTokenizer(QByteArrayView data);

    RtfToken next();
    // Passes over raw bytes that follow \binN; returns how many there really were.
    qsizetype skipBytes(qsizetype count);
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    RtfToken readBackslash();
    RtfToken readControlWord();
    RtfToken readText();
    int readParameter();
    char peek() const { return m_data[m_pos]; }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};
