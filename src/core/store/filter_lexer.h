#pragma once

#include "core/store/filter_token.h"

#include <QList>
#include <QString>

// Splits a filter text into tokens. Keywords are recognised without regard to case.
class FilterLexer
{
public:
    explicit FilterLexer(const QString& text);

    // False with a Dutch message when the text holds an unterminated quote or a character
    // the filter language does not know. The list always ends with an End token.
    bool tokenize(QList<FilterToken>* tokens, QString* error);

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar current() const { return m_text.at(m_pos); }
    QChar next() const { return m_pos + 1 < m_text.size() ? m_text.at(m_pos + 1) : QChar(); }
    bool startsWord() const;
    bool readToken(FilterToken* token, QString* error);
    FilterToken readWord();
    bool readQuotedText(FilterToken* token, QString* error);
    bool readComparison(FilterToken* token);

    QString m_text;
    qsizetype m_pos = 0;
};
