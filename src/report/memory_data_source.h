#pragma once

#include "report/report_data_source.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

// Records held in memory, for reports filled by the program itself and for tests.
class MemoryDataSource : public ReportDataSource
{
public:
    explicit MemoryDataSource(const QStringList& fieldNames = {});

    void setFieldNames(const QStringList& fieldNames) { m_fieldNames = fieldNames; }
    void addRecord(const QVariantList& values) { m_records.append(values); }
    void clear();

    bool first() override;
    bool next() override;
    bool eof() const override;
    int recordCount() const override { return int(m_records.size()); }
    QVariant value(const QString& fieldName) const override;
    QString displayText(const QString& fieldName) const override;

    int currentIndex() const { return m_current; }

private:
    QStringList m_fieldNames;
    QList<QVariantList> m_records;
    int m_current = 0;
};
