#pragma once

#include "report/render_context.h"
#include "report/report_page.h"

#include <QDateTime>
#include <QRectF>

class BandedReport;
class ReportBand;
class ReportDocument;
class ReportPageSink;

// One run of a report: walks the bands in print order and places them on pages, starting a
// new page when a band does not fit above the page footer.
class BandLayouter
{
public:
    BandLayouter(const BandedReport& report, ReportDocument& document, ReportPageSink* sink,
                 const QDateTime& printTime);

    // Returns the number of pages made.
    int run();

private:
    void printRecords();
    void startPage();
    void finishPage(bool lastPage);
    void newPage();
    void printFrameBand(ReportBand* band);
    void printBodyBand(ReportBand* band);
    void printFooter(bool lastPage);
    double heightOf(const ReportBand& band) const;
    double bottomLimit() const;
    void renderBand(ReportBand& band, double top, double height);
    void renderAcrossPages(ReportBand& band, double height);
    double breakFor(const ReportBand& band, double offset, double breakAt) const;
    void fillBackground(const ReportBand& band, double top, double height);

    const BandedReport& m_report;
    ReportDocument& m_document;
    ReportPageSink* m_sink;
    QRectF m_body;
    ReportPage m_page;
    RenderContext m_context;
    double m_y = 0;
    int m_pageNumber = 0;
    bool m_pageHasBody = false;
};
