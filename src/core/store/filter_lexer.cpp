#include "core/store/filter_lexer.h"

#include <QRegularExpression>

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QChar('_') || c == QChar('.');
}

FilterToken::Kind keywordKind(const QString& word)
{
    static const QList<QPair<QString, FilterToken::Kind>> keywords = {
        {QStringLiteral("AND"), FilterToken::Kind::And},
        {QStringLiteral("OR"), FilterToken::Kind::Or},
        {QStringLiteral("LIKE"), FilterToken::Kind::Like},
        {QStringLiteral("NULL"), FilterToken::Kind::Null},
        {QStringLiteral("TRUE"), FilterToken::Kind::True},
        {QStringLiteral("FALSE"), FilterToken::Kind::False},
    };
    for (const auto& [keyword, kind] : keywords)
        if (word.compare(keyword, Qt::CaseInsensitive) == 0)
            return kind;
    return FilterToken::Kind::Field;
}

bool isNumberText(const QString& word)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return number.match(word).hasMatch();
}

} // namespace

FilterLexer::FilterLexer(const QString& text) : m_text(text) {}

bool FilterLexer::tokenize(QList<FilterToken>* tokens, QString* error)
{
    tokens->clear();
    while (true) {
        while (!atEnd() && current().isSpace())
            ++m_pos;
        if (atEnd())
            break;
        FilterToken token;
        if (!readToken(&token, error))
            return false;
        tokens->append(token);
    }
    FilterToken end;
    end.position = int(m_text.size()) + 1;
    tokens->append(end);
    return true;
}

bool FilterLexer::startsWord() const
{
    const QChar c = current();
    if (c == QChar('-'))
        return next().isDigit();
    return c.isLetterOrNumber() || c == QChar('_');
}

bool FilterLexer::readToken(FilterToken* token, QString* error)
{
    token->position = int(m_pos) + 1;
    const QChar c = current();
    if (c == QChar('(') || c == QChar(')')) {
        token->kind =
            c == QChar('(') ? FilterToken::Kind::LeftParen : FilterToken::Kind::RightParen;
        token->text = c;
        ++m_pos;
        return true;
    }
    if (c == QChar('\''))
        return readQuotedText(token, error);
    if (startsWord()) {
        *token = readWord();
        return true;
    }
    if (readComparison(token))
        return true;
    *error = QStringLiteral("Ongeldig filter: onbekend teken \"%1\" op positie %2")
                 .arg(QString(c), QString::number(token->position));
    return false;
}

// A word that starts like a number but is not one ("5abc") stays a single word, so that
// the parser can say a number was expected instead of stumbling over the rest.
FilterToken FilterLexer::readWord()
{
    FilterToken token;
    token.position = int(m_pos) + 1;
    const qsizetype start = m_pos;
    ++m_pos;
    while (!atEnd() && isWordCharacter(current()))
        ++m_pos;
    token.text = m_text.mid(start, m_pos - start);
    token.kind = isNumberText(token.text) ? FilterToken::Kind::Number : keywordKind(token.text);
    return token;
}

bool FilterLexer::readQuotedText(FilterToken* token, QString* error)
{
    token->kind = FilterToken::Kind::Text;
    ++m_pos;
    QString value;
    while (!atEnd()) {
        if (current() != QChar('\'')) {
            value += current();
            ++m_pos;
            continue;
        }
        if (next() == QChar('\'')) {
            value += QChar('\'');
            m_pos += 2;
            continue;
        }
        ++m_pos;
        token->text = value;
        return true;
    }
    *error = QStringLiteral("Ongeldig filter: de tekst vanaf positie %1 mist het afsluitende "
                            "aanhalingsteken")
                 .arg(token->position);
    return false;
}

bool FilterLexer::readComparison(FilterToken* token)
{
    static const QStringList comparisons = {QStringLiteral("<>"), QStringLiteral(">="),
                                            QStringLiteral("<="), QStringLiteral("="),
                                            QStringLiteral("<"),  QStringLiteral(">")};
    for (const QString& comparison : comparisons) {
        if (QStringView(m_text).mid(m_pos).startsWith(comparison)) {
            token->kind = FilterToken::Kind::Comparison;
            token->text = comparison;
            m_pos += comparison.size();
            return true;
        }
    }
    return false;
}
