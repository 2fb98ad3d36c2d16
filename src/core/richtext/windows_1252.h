#pragma once

#include <QChar>
#include <optional>

// The single-byte code page RTF files use unless they say otherwise. Kept as our own table so
// reading and writing never depend on which converters the Qt build happens to carry.
class Windows1252
{
public:
    static QChar toUnicode(unsigned char byte);
    // The byte for a character, or nothing when the code page has no place for it.
    static std::optional<unsigned char> fromUnicode(QChar character);
};
