#include "report/page_settings.h"

QSizeF PageSettings::paperSizeMm() const
{
    const QSizeF size = QPageSize(paper).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? size.transposed() : size;
}

QRectF PageSettings::bodyRectMm() const
{
    return QRectF(QPointF(0, 0), paperSizeMm()).marginsRemoved(marginsMm);
}

QPageLayout PageSettings::pageLayout() const
{
    // Items carry paper coordinates, so the devices paint on the whole sheet.
    return QPageLayout(QPageSize(paper), orientation, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}
