#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>

// Paper and margins of one report, in millimetres.
struct PageSettings
{
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{10, 10, 10, 10};
    int columns = 1;
    bool printHeaderOnFirstPage = true;
    bool printFooterOnLastPage = true;

    QSizeF paperSizeMm() const;
    QRectF bodyRectMm() const;
    QPageLayout pageLayout() const;
};
