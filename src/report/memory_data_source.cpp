#include "report/memory_data_source.h"

#include "report/value_text.h"

MemoryDataSource::MemoryDataSource(const QStringList& fieldNames) : m_fieldNames(fieldNames) {}

void MemoryDataSource::clear()
{
    m_records.clear();
    m_current = 0;
}

bool MemoryDataSource::first()
{
    m_current = 0;
    return !eof();
}

bool MemoryDataSource::next()
{
    if (m_current < recordCount())
        ++m_current;
    return !eof();
}

bool MemoryDataSource::eof() const
{
    return m_current >= recordCount();
}

QVariant MemoryDataSource::value(const QString& fieldName) const
{
    int column = -1;
    for (int i = 0; i < m_fieldNames.size() && column < 0; ++i) {
        if (m_fieldNames.at(i).compare(fieldName, Qt::CaseInsensitive) == 0)
            column = i;
    }
    if (eof() || column < 0 || column >= m_records.at(m_current).size())
        return QVariant();
    return m_records.at(m_current).at(column);
}

QString MemoryDataSource::displayText(const QString& fieldName) const
{
    return ValueText::plain(value(fieldName));
}
