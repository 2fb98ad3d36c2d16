#include "core/settings/record_buffer.h"

#include "core/settings/win1252_codec.h"

#include <QtEndian>

RecordBuffer::RecordBuffer(int size) : m_bytes(size, '\0') {}

RecordBuffer::RecordBuffer(const QByteArray& bytes, int size) : m_bytes(bytes.left(size))
{
    if (m_bytes.size() < size)
        m_bytes.append(QByteArray(size - m_bytes.size(), '\0'));
}

void RecordBuffer::putText(int offset, int capacity, const QString& text)
{
    m_bytes.replace(offset, capacity + 1, Win1252Codec::toCounted(text, capacity));
}

QString RecordBuffer::text(int offset, int capacity) const
{
    return Win1252Codec::fromCounted(QByteArrayView(m_bytes).sliced(offset, capacity + 1),
                                     capacity);
}

void RecordBuffer::putInt32(int offset, std::int32_t value)
{
    qToLittleEndian(value, m_bytes.data() + offset);
}

std::int32_t RecordBuffer::int32(int offset) const
{
    return qFromLittleEndian<std::int32_t>(m_bytes.constData() + offset);
}

void RecordBuffer::putFlag(int offset, bool value)
{
    m_bytes[offset] = value ? 1 : 0;
}

bool RecordBuffer::flag(int offset) const
{
    return m_bytes[offset] != 0;
}
