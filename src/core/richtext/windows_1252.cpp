#include "core/richtext/windows_1252.h"

#include <array>

namespace {

// 0x80..0x9F, the only range where the code page differs from Latin-1. The five unassigned
// bytes map to the control character of the same number, as Windows itself does.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isUnassigned(char16_t unit)
{
    return unit == 0x81 || unit == 0x8D || unit == 0x8F || unit == 0x90 || unit == 0x9D;
}

} // namespace

QChar Windows1252::toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighControlRange[byte - 0x80]);
    return QChar(byte);
}

std::optional<unsigned char> Windows1252::fromUnicode(QChar character)
{
    const char16_t unit = character.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<unsigned char>(unit);
    if (isUnassigned(unit))
        return std::nullopt;
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == unit)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}
