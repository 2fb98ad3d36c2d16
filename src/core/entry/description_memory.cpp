#include "core/entry/description_memory.h"

#include "core/settings/settings_file.h"
#include "core/settings/win1252_codec.h"

DescriptionMemory::DescriptionMemory()
{
    for (int i = 0; i < Entries; ++i)
        m_entries.append(QString());
}

bool DescriptionMemory::remember(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QString stored = Win1252Codec::fitted(text, EntryLength);
    if (m_entries.contains(stored))
        return false;
    m_entries.removeLast();
    m_entries.prepend(stored);
    return true;
}

int DescriptionMemory::FindRememberedDescription(const QString& typed) const
{
    const QString text = typed.left(TypedLength);
    if (text.isEmpty())
        return -1;
    for (int i = 0; i < Entries; ++i)
        if (m_entries[i].startsWith(text, Qt::CaseSensitive))
            return i;
    return -1;
}

QByteArray DescriptionMemory::toBytes() const
{
    QByteArray record;
    record.reserve(RecordSize);
    for (const QString& entry : m_entries)
        record.append(Win1252Codec::toCounted(entry, EntryLength));
    return record;
}

DescriptionMemory DescriptionMemory::fromBytes(QByteArrayView record)
{
    DescriptionMemory memory;
    for (int i = 0; i < Entries && (i + 1) * (EntryLength + 1) <= record.size(); ++i)
        memory.m_entries[i] = Win1252Codec::fromCounted(
            record.sliced(i * (EntryLength + 1), EntryLength + 1), EntryLength);
    return memory;
}

QString DescriptionMemory::load(const QString& path)
{
    QByteArray bytes;
    const SettingsResult result = SettingsFile::read(path, toBytes(), bytes);
    if (bytes.size() == RecordSize)
        *this = fromBytes(bytes);
    return result.error;
}

QString DescriptionMemory::save(const QString& path) const
{
    return SettingsFile::write(path, toBytes()).error;
}
