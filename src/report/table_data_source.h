#pragma once

#include "report/report_data_source.h"

#include <QHash>

class Table;

// A shared table as a report's records: its rows under the filter and order in force, read
// by row so the table's cursor (and with it the current line of every window bound to it)
// stays where the user left it. A pending edit of the current line prints as edited.
class TableDataSource : public ReportDataSource
{
public:
    explicit TableDataSource(Table& table);

    Table& table() const { return m_table; }

    bool first() override;
    bool next() override;
    bool eof() const override;
    int recordCount() const override;
    QVariant value(const QString& fieldName) const override;
    QString displayText(const QString& fieldName) const override;

    int currentRow() const { return m_row; }

private:
    int fieldIndex(const QString& fieldName) const;

    Table& m_table;
    int m_row = 0;
    mutable QHash<QString, int> m_fieldIndexes;
};
