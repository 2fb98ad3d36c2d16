#pragma once

#include <QString>
#include <QVariant>

// The records a report's detail band repeats over: a cursor, positioned on one record at a
// time, in the order and under the filter of whoever owns the data.
class ReportDataSource
{
public:
    virtual ~ReportDataSource() = default;

    virtual bool first() = 0;
    virtual bool next() = 0;
    virtual bool eof() const = 0;
    virtual int recordCount() const = 0;
    virtual QVariant value(const QString& fieldName) const = 0;
    // The field's text as the program shows it (dates as dd-mm-yyyy and so on).
    virtual QString displayText(const QString& fieldName) const = 0;
};
