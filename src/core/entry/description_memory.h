#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The last 30 descriptions typed in an entry window, entry 0 the most recent, each at most
// 30 characters. Kept on disk as one record of 930 bytes: per entry a length byte and 30
// Windows-1252 character bytes (zeros beyond the text).
class DescriptionMemory
{
public:
    static constexpr int Entries = 30;
    static constexpr int EntryLength = 30;
    static constexpr int RecordSize = Entries * (EntryLength + 1);
    // Typed text beyond this length is not looked at when completing.
    static constexpr int TypedLength = 255;
    static constexpr const char* IncomeFileName = "getypt1.dat";
    static constexpr const char* ExpenseFileName = "getypt.dat";

    DescriptionMemory();

    const QStringList& entries() const { return m_entries; }
    QString entry(int index) const { return m_entries.value(index); }

    // Puts a text left in the description box on top, unless it is empty or already
    // remembered; the oldest entry falls out. The text is kept as the file will hold it (cut
    // to 30 characters), so leaving a long text twice does not remember it twice. True when
    // the list changed.
    bool remember(const QString& text);
    // The first entry, in entry order, that begins with `typed` (case-sensitive), or -1.
    int FindRememberedDescription(const QString& typed) const;

    QByteArray toBytes() const;
    static DescriptionMemory fromBytes(QByteArrayView record);

    // Reads the file into memory; a missing file is first written with the list in memory.
    // Returns an empty text or the Dutch message; on failure the list stays as it was.
    QString load(const QString& path);
    // Writes the list (temporary file, then rename). Empty text or the Dutch message.
    QString save(const QString& path) const;

private:
    QStringList m_entries;
};
