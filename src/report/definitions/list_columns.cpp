#include "report/definitions/list_columns.h"

#include "report/item_style.h"
#include "report/report_band.h"
#include "report/report_label.h"
#include "report/report_page_frame.h"

namespace ListColumns {

void addHeader(ReportBand& band, std::span<const ListColumn> columns, double pointSize,
               double rowHeightMm)
{
    for (const ListColumn& column : columns) {
        auto* label = band.add<ReportLabel>(QString::fromLatin1(column.caption));
        label->setGeometry(QRectF(column.left, 0.5, column.width, rowHeightMm));
        label->setFont(ItemStyle::defaultFont(pointSize, true));
        label->setAlignment(column.alignment | Qt::AlignVCenter);
    }
    ReportPageFrame::styleColumnHeader(band);
}

QList<ReportDataField*> addFields(ReportBand& band, std::span<const ListColumn> columns,
                                  double pointSize, double rowHeightMm)
{
    QList<ReportDataField*> fields;
    const QFont font = ItemStyle::defaultFont(pointSize);
    for (const ListColumn& column : columns) {
        auto* field = band.add<ReportDataField>(QString::fromLatin1(column.field), column.format);
        field->setGeometry(QRectF(column.left, 0, column.width, rowHeightMm));
        field->setFont(font);
        field->setAlignment(column.alignment | Qt::AlignVCenter);
        fields << field;
    }
    return fields;
}

} // namespace ListColumns
