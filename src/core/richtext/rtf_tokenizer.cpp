#include "core/richtext/rtf_tokenizer.h"

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Line ends are layout of the file, not content; other control bytes never are content either.
bool isIgnoredByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 && c != '\t';
}

RtfToken tokenOf(RtfToken::Kind kind)
{
    RtfToken token;
    token.kind = kind;
    return token;
}

RtfToken textToken(QByteArray text)
{
    RtfToken token;
    token.kind = RtfToken::Kind::Text;
    token.text = std::move(text);
    return token;
}

} // namespace

RtfTokenizer::RtfTokenizer(QByteArrayView data) : m_data(data) {}

RtfToken RtfTokenizer::next()
{
    while (!atEnd()) {
        const char c = peek();
        if (c == '{') {
            ++m_pos;
            return tokenOf(RtfToken::Kind::GroupOpen);
        }
        if (c == '}') {
            ++m_pos;
            return tokenOf(RtfToken::Kind::GroupClose);
        }
        if (c == '\\')
            return readBackslash();
        if (isIgnoredByte(c)) {
            ++m_pos;
            continue;
        }
        return readText();
    }
    return tokenOf(RtfToken::Kind::End);
}

qsizetype RtfTokenizer::skipBytes(qsizetype count)
{
    const qsizetype available = m_data.size() - m_pos;
    const qsizetype skipped = count < available ? count : available;
    m_pos += skipped;
    return skipped;
}

RtfToken RtfTokenizer::readBackslash()
{
    ++m_pos;
    if (atEnd())
        return tokenOf(RtfToken::Kind::End);
    const char c = peek();
    if (isAsciiLetter(c))
        return readControlWord();
    ++m_pos;
    if (c == '\\' || c == '{' || c == '}')
        return textToken(QByteArray(1, c));
    if (c == '\'') {
        const int high = m_pos < m_data.size() ? hexValue(m_data[m_pos]) : -1;
        const int low = m_pos + 1 < m_data.size() ? hexValue(m_data[m_pos + 1]) : -1;
        RtfToken token;
        if (high < 0 || low < 0) {
            // A broken escape carries no character; the reader ignores the symbol.
            token.kind = RtfToken::Kind::ControlSymbol;
            token.symbol = c;
            return token;
        }
        m_pos += 2;
        token.kind = RtfToken::Kind::HexByte;
        token.byte = static_cast<unsigned char>(high * 16 + low);
        return token;
    }
    RtfToken token;
    token.kind = RtfToken::Kind::ControlSymbol;
    token.symbol = c;
    return token;
}

RtfToken RtfTokenizer::readControlWord()
{
    RtfToken token;
    token.kind = RtfToken::Kind::ControlWord;
    while (!atEnd() && isAsciiLetter(peek())) {
        if (token.word.size() < kMaxWordLength)
            token.word.append(peek());
        ++m_pos;
    }
    const bool negative =
        !atEnd() && peek() == '-' && m_pos + 1 < m_data.size() && isDigit(m_data[m_pos + 1]);
    if (negative)
        ++m_pos;
    if (!atEnd() && isDigit(peek())) {
        token.hasParameter = true;
        token.parameter = negative ? -readParameter() : readParameter();
    }
    if (!atEnd() && peek() == ' ')
        ++m_pos; // the delimiter belongs to the word
    return token;
}

int RtfTokenizer::readParameter()
{
    long long value = 0;
    while (!atEnd() && isDigit(peek())) {
        if (value < kParameterLimit)
            value = value * 10 + (peek() - '0');
        ++m_pos;
    }
    return static_cast<int>(value < kParameterLimit ? value : kParameterLimit);
}

RtfToken RtfTokenizer::readText()
{
    QByteArray text;
    while (!atEnd()) {
        const char c = peek();
        if (c == '{' || c == '}' || c == '\\')
            break;
        if (!isIgnoredByte(c))
            text.append(c);
        ++m_pos;
    }
    return textToken(std::move(text));
}
