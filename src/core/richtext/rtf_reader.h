#pragma once

#include "core/richtext/rtf_read_result.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads RTF as WordPad, Word and LibreOffice write it into a QTextDocument: paragraphs,
// alignment, bold, italic, underline, fonts, sizes, colours and every character. Whatever it
// does not show (pictures, style sheets, fields' code) is passed over. It never fails on
// malformed RTF: it keeps what it could read.
class RtfReader
{
public:
    static constexpr qint64 kMaxFileSize = 100 * 1024 * 1024;

    static RtfReadResult read(const QByteArray& data);
    static RtfReadResult readFile(const QString& path);
    // Replaces the content of an existing document, such as a text editor's; returns the
    // Dutch message of RtfReadResult::error.
    static QString readInto(const QByteArray& data, QTextDocument& document);

    // Whether the bytes start as an RTF file does (leading blanks and a BOM allowed).
    static bool looksLikeRtf(const QByteArray& data);

private:
    static QString loadPlainText(const QByteArray& data, QTextDocument& document);
};
