#include "report/report_printing.h"

#include "report/page_painter.h"
#include "report/report_document.h"

#include <QPainter>
#include <QPrinter>

void ReportPrinting::setUpPrinter(QPrinter& printer, const PageSettings& settings)
{
    printer.setFullPage(true);
    printer.setPageLayout(settings.pageLayout());
}

bool ReportPrinting::print(QPrinter& printer, const ReportDocument& document)
{
    const int count = document.pageCount();
    int from = 1;
    int to = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = qMax(1, printer.fromPage());
        to = qMin(count, printer.toPage() > 0 ? printer.toPage() : count);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int number = from; number <= to; ++number) {
        if (number > from)
            printer.newPage();
        paintPage(painter, document, number - 1);
    }
    painter.end();
    return true;
}

void ReportPrinting::paintPage(QPainter& painter, const ReportDocument& document, int pageIndex)
{
    if (pageIndex < 0 || pageIndex >= document.pageCount())
        return;
    PagePainter::paint(painter, document, document.page(pageIndex));
}
