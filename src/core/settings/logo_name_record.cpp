#include "core/settings/logo_name_record.h"

#include "core/settings/record_buffer.h"

QByteArray LogoNameRecord::toBytes() const
{
    RecordBuffer buffer(Size);
    buffer.putText(0, NameCapacity, LogoName);
    return buffer.bytes();
}

LogoNameRecord LogoNameRecord::fromBytes(const QByteArray& bytes)
{
    const RecordBuffer buffer(bytes, Size);
    return {buffer.text(0, NameCapacity)};
}
