#include "core/settings/win1252_codec.h"

#include "core/richtext/windows_1252.h"

#include <QList>

#include <algorithm>

namespace {

constexpr char kReplacement = '?';

// The five bytes the code page leaves undefined stand for the control characters of the same
// value, so every byte of a settings file survives a read and a write.
bool isUndefinedByte(char32_t codePoint)
{
    return codePoint == 0x81 || codePoint == 0x8D || codePoint == 0x8F || codePoint == 0x90 ||
           codePoint == 0x9D;
}

} // namespace

char Win1252Codec::encodeCodePoint(char32_t codePoint)
{
    if (isUndefinedByte(codePoint))
        return static_cast<char>(codePoint);
    if (codePoint <= 0xFFFF)
        if (const auto byte = Windows1252::fromUnicode(QChar(char16_t(codePoint))))
            return static_cast<char>(*byte);
    return kReplacement;
}

QChar Win1252Codec::decodeByte(unsigned char byte)
{
    return Windows1252::toUnicode(byte);
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
