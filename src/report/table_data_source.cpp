#include "report/table_data_source.h"

#include "core/store/table.h"

TableDataSource::TableDataSource(Table& table) : m_table(table) {}

bool TableDataSource::first()
{
    m_row = 0;
    return !eof();
}

bool TableDataSource::next()
{
    if (m_row < recordCount())
        ++m_row;
    return !eof();
}

bool TableDataSource::eof() const
{
    return m_row >= recordCount();
}

int TableDataSource::recordCount() const
{
    return m_table.isActive() ? m_table.recordCount() : 0;
}

int TableDataSource::fieldIndex(const QString& fieldName) const
{
    // A detail band asks for the same few fields on every record.
    auto found = m_fieldIndexes.constFind(fieldName);
    if (found == m_fieldIndexes.constEnd())
        found = m_fieldIndexes.insert(fieldName, m_table.schema().fieldIndex(fieldName));
    return *found;
}

QVariant TableDataSource::value(const QString& fieldName) const
{
    if (eof())
        return QVariant();
    return m_table.valueAt(m_row, fieldIndex(fieldName));
}

QString TableDataSource::displayText(const QString& fieldName) const
{
    const int index = fieldIndex(fieldName);
    if (eof() || index < 0)
        return QString();
    return Table::displayText(m_table.schema().fields.at(index), m_table.valueAt(m_row, index));
}
