#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// One settings record as its fixed-size block of bytes: texts, integers and flags at the
// offsets of the file layout. Integers are little-endian whatever the machine; bytes that no
// field covers stay zero.
class RecordBuffer
{
public:
    explicit RecordBuffer(int size);
    // A block read from a file. A short block is padded with zeros (and a long one cut) so a
    // damaged record never reads outside its bytes.
    RecordBuffer(const QByteArray& bytes, int size);

    void putText(int offset, int capacity, const QString& text);
    QString text(int offset, int capacity) const;

    void putInt32(int offset, std::int32_t value);
    std::int32_t int32(int offset) const;

    void putFlag(int offset, bool value);
    bool flag(int offset) const;

    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};
