#include "report/band_layouter.h"

#include "report/banded_report.h"
#include "report/report_data_source.h"
#include "report/report_document.h"
#include "report/report_page_sink.h"

#include <limits>

BandLayouter::BandLayouter(const BandedReport& report, ReportDocument& document,
                           ReportPageSink* sink, const QDateTime& printTime)
    : m_report(report), m_document(document), m_sink(sink),
      m_body(document.pageSettings().bodyRectMm()), m_context{document, &m_page,
                                                              report.dataSource(), 0, printTime}
{
}

int BandLayouter::run()
{
    startPage();
    printRecords();
    printBodyBand(m_report.band(BandKind::Summary));
    finishPage(true);
    return m_pageNumber;
}

void BandLayouter::printRecords()
{
    ReportBand* detail = m_report.band(BandKind::Detail);
    ReportDataSource* source = m_report.dataSource();
    if (!source) {
        printBodyBand(detail);
        return;
    }
    for (source->first(); !source->eof(); source->next())
        printBodyBand(detail);
}

void BandLayouter::startPage()
{
    ++m_pageNumber;
    m_page = ReportPage(m_pageNumber);
    m_context.pageNumber = m_pageNumber;
    m_y = m_body.top();
    m_pageHasBody = false;
    const bool firstPage = m_pageNumber == 1;
    if (!firstPage || m_document.pageSettings().printHeaderOnFirstPage)
        printFrameBand(m_report.band(BandKind::PageHeader));
    if (firstPage)
        printFrameBand(m_report.band(BandKind::Title));
    printFrameBand(m_report.band(BandKind::ColumnHeader));
}

void BandLayouter::finishPage(bool lastPage)
{
    if (!lastPage || m_document.pageSettings().printFooterOnLastPage)
        printFooter(lastPage);
    if (m_sink)
        m_sink->takePage(m_document, std::move(m_page));
    else
        m_document.addPage(std::move(m_page));
    m_page = ReportPage();
}

void BandLayouter::newPage()
{
    finishPage(false);
    startPage();
}

void BandLayouter::printFooter(bool)
{
    ReportBand* footer = m_report.band(BandKind::PageFooter);
    if (!footer)
        return;
    if (!footer->runBeforePrint()) {
        footer->runAfterPrint(false);
        return;
    }
    const double height = heightOf(*footer);
    renderBand(*footer, m_body.bottom() - height, height);
    footer->runAfterPrint(true);
}

void BandLayouter::printFrameBand(ReportBand* band)
{
    if (!band)
        return;
    if (!band->runBeforePrint()) {
        band->runAfterPrint(false);
        return;
    }
    const double height = heightOf(*band);
    renderBand(*band, m_y, height);
    m_y += height;
    band->runAfterPrint(true);
}

void BandLayouter::printBodyBand(ReportBand* band)
{
    if (!band)
        return;
    // The handlers run first: they may change what the band holds and so its height.
    if (!band->runBeforePrint()) {
        band->runAfterPrint(false);
        return;
    }
    const double height = heightOf(*band);
    // On a page without body bands yet a new page would not give more room.
    if (m_pageHasBody && (band->forceNewPage() || m_y + height > bottomLimit()))
        newPage();
    if (m_y + height > bottomLimit()) {
        renderAcrossPages(*band, height);
    } else {
        renderBand(*band, m_y, height);
        m_y += height;
    }
    m_pageHasBody = true;
    band->runAfterPrint(true);
}

double BandLayouter::heightOf(const ReportBand& band) const
{
    double height = band.height();
    for (const auto& element : band.elements()) {
        if (element->isEnabled())
            height = qMax(height, element->requiredBottom(m_context));
    }
    return height;
}

double BandLayouter::bottomLimit() const
{
    const ReportBand* footer = m_report.band(BandKind::PageFooter);
    const bool reserveFooter = footer && footer->isEnabled();
    return m_body.bottom() - (reserveFooter ? footer->height() : 0.0);
}

void BandLayouter::fillBackground(const ReportBand& band, double top, double height)
{
    if (!band.background().isValid() || height <= 0)
        return;
    ItemStyle style;
    style.background = band.background();
    PageItem item;
    item.kind = PageItemKind::Rectangle;
    item.style = m_document.addStyle(style);
    item.rect = QRectF(m_body.left(), top, m_body.width(), height);
    m_page.addItem(std::move(item));
}

void BandLayouter::renderBand(ReportBand& band, double top, double height)
{
    fillBackground(band, top, height);
    const QPointF origin(m_body.left(), top);
    for (const auto& element : band.elements()) {
        if (element->isEnabled())
            element->render(m_context, origin);
    }
}

double BandLayouter::breakFor(const ReportBand& band, double offset, double breakAt) const
{
    double cut = breakAt;
    for (const auto& element : band.elements()) {
        if (!element->isEnabled())
            continue;
        const double safe = element->safeBreak(cut);
        // An element taller than a page cannot be kept whole; it is cut where the page ends.
        if (safe > offset)
            cut = qMin(cut, safe);
    }
    return cut;
}

void BandLayouter::renderAcrossPages(ReportBand& band, double height)
{
    double offset = 0;
    while (true) {
        const double room = bottomLimit() - m_y;
        if (room <= 0 && m_pageHasBody) {
            newPage();
            continue;
        }
        double cut = offset + qMax(room, 1.0);
        if (cut < height)
            cut = breakFor(band, offset, cut);
        const bool lastSlice = cut >= height;
        const double sliceEnd = lastSlice ? std::numeric_limits<double>::max() : cut;
        const double sliceHeight = (lastSlice ? height : cut) - offset;
        fillBackground(band, m_y, sliceHeight);
        const QPointF origin(m_body.left(), m_y - offset);
        for (const auto& element : band.elements()) {
            if (element->isEnabled())
                element->renderSlice(m_context, origin, offset, sliceEnd);
        }
        m_pageHasBody = true;
        if (lastSlice) {
            m_y += sliceHeight;
            return;
        }
        offset = cut;
        newPage();
    }
}
