#pragma once

#include <QList>
#include <span>

#include "report/report_data_field.h"

class ReportBand;

// One column of a list report: its heading, the field it prints and where.
struct ListColumn
{
    const char* caption;
    const char* field;
    double left;  // mm from the band's left edge
    double width; // mm
    Qt::Alignment alignment;
    ReportDataField::Format format;
};

// The column header and detail fields every list report lays out the same way.
namespace ListColumns {
// Bold headings in white on dark blue, one per column.
void addHeader(ReportBand& band, std::span<const ListColumn> columns, double pointSize,
               double rowHeightMm);
// One data field per column, in column order.
QList<ReportDataField*> addFields(ReportBand& band, std::span<const ListColumn> columns,
                                  double pointSize, double rowHeightMm);
} // namespace ListColumns
