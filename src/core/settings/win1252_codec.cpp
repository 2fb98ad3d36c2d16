#include "core/settings/win1252_codec.h"

#include <QList>

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80..0x9F are where Windows-1252 differs from Latin-1. The five bytes the code page
// leaves undefined map to the control character of the same value, as Windows itself does,
// so every byte survives a read and a write.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kReplacement = '?';

} // namespace

char Win1252Codec::encodeCodePoint(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    const auto found = std::find(kHighBlock.begin(), kHighBlock.end(), codePoint);
    if (found == kHighBlock.end())
        return kReplacement;
    return static_cast<char>(0x80 + (found - kHighBlock.begin()));
}

QChar Win1252Codec::decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighBlock[byte - 0x80]);
    return QChar(byte);
}

QByteArray Win1252Codec::encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4())
        bytes.append(encodeCodePoint(codePoint));
    return bytes;
}

QString Win1252Codec::decode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(decodeByte(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray Win1252Codec::toCounted(const QString& text, int capacity)
{
    const QByteArray characters = encode(text).left(capacity);
    QByteArray field(capacity + 1, '\0');
    field[0] = static_cast<char>(characters.size());
    std::copy(characters.begin(), characters.end(), field.begin() + 1);
    return field;
}

QString Win1252Codec::fromCounted(QByteArrayView field, int capacity)
{
    if (field.isEmpty())
        return {};
    const qsizetype stated = static_cast<unsigned char>(field[0]);
    const qsizetype length = std::min({stated, qsizetype(capacity), field.size() - 1});
    return decode(field.sliced(1, length));
}

QString Win1252Codec::fitted(const QString& text, int capacity)
{
    return decode(encode(text).left(capacity));
}
