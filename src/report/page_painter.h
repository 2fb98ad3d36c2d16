#pragma once

class QPainter;
class ReportDocument;
class ReportPage;

// Paints a page of the page model. The painter's origin must be the paper's top-left corner
// (a QPrinter in full-page mode, a QPdfWriter without margins, an image).
class PagePainter
{
public:
    // At the painter device's own resolution.
    static void paint(QPainter& painter, const ReportDocument& document, const ReportPage& page);
    // At the given scale, e.g. for a page picture of a chosen size.
    static void paint(QPainter& painter, const ReportDocument& document, const ReportPage& page,
                      double pixelsPerMm);
};
