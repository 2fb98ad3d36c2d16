#pragma once

#include "report/page_settings.h"

class QPainter;
class QPrinter;
class ReportDocument;

// Printing the page model on a QPrinter, as the print preview and the print dialog need.
// The preview dialog paints through paintRequested, so the printer it was given has to
// live as long as the dialog.
class ReportPrinting
{
public:
    // Paper, orientation and a full-page coordinate system for the report's pages.
    static void setUpPrinter(QPrinter& printer, const PageSettings& settings);
    // Paints the pages in the printer's page range (all pages when none is set); this is
    // the slot body for QPrintPreviewDialog::paintRequested. False when the printer
    // could not be started.
    static bool print(QPrinter& printer, const ReportDocument& document);
    // Paints page number pageIndex (from 0) on an active painter.
    static void paintPage(QPainter& painter, const ReportDocument& document, int pageIndex);
};
