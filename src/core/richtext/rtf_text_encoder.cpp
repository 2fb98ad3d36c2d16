#include "core/richtext/rtf_text_encoder.h"

#include "core/richtext/windows_1252.h"

namespace {

void appendHexByte(QByteArray& out, unsigned char byte)
{
    static const char digits[] = "0123456789abcdef";
    out.append("\\'");
    out.append(digits[byte >> 4]);
    out.append(digits[byte & 0x0F]);
}

void appendUnicode(QByteArray& out, char16_t unit)
{
    // \u takes a signed 16-bit number.
    const int value = unit > 32767 ? int(unit) - 65536 : int(unit);
    out.append("\\u");
    out.append(QByteArray::number(value));
    out.append('?');
}

bool isDroppedCharacter(char16_t unit)
{
    return (unit < 0x20 && unit != '\t') || unit == 0x2029 || unit == 0xFFFC || unit == 0xFDD0 ||
           unit == 0xFDD1;
}

} // namespace

QByteArray RtfTextEncoder::encode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar character : text)
        appendCharacter(out, character);
    return out;
}

void RtfTextEncoder::appendCharacter(QByteArray& out, QChar character)
{
    const char16_t unit = character.unicode();
    if (isDroppedCharacter(unit))
        return;
    if (unit == '\\' || unit == '{' || unit == '}') {
        out.append('\\');
        out.append(static_cast<char>(unit));
    } else if (unit == '\t') {
        out.append("\\tab ");
    } else if (unit == QChar::LineSeparator) {
        out.append("\\line ");
    } else if (unit < 0x80) {
        out.append(static_cast<char>(unit));
    } else if (const auto byte = Windows1252::fromUnicode(character)) {
        appendHexByte(out, *byte);
    } else {
        appendUnicode(out, unit);
    }
}
