#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The settings files keep their texts the way the original program wrote them: one byte per
// character in Windows-1252, behind a length byte. A character that has no byte in that code
// page is stored as '?', so a name typed with such a character still saves.
class Win1252Codec
{
public:
    // One byte per character (a surrogate pair counts as one character).
    static QByteArray encode(const QString& text);
    static QString decode(QByteArrayView bytes);

    // A counted text of `capacity` characters: the length byte, the characters, zeros up to
    // the capacity (capacity + 1 bytes in all). A longer text is cut to the capacity.
    static QByteArray toCounted(const QString& text, int capacity);
    // Reads a counted text of `capacity` characters. A length byte beyond the capacity (a
    // damaged file) is taken as the capacity rather than reading into the next field.
    static QString fromCounted(QByteArrayView field, int capacity);

    // The text as it comes back after being stored in a field of `capacity` characters.
    static QString fitted(const QString& text, int capacity);

private:
    static char encodeCodePoint(char32_t codePoint);
    static QChar decodeByte(unsigned char byte);
};
