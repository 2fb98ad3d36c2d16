#pragma once

#include <QString>

class ReportDocument;

// Saves generated pages as PDF. Long reports are better streamed with
// BandedReport::saveAsPdf, which does not hold the pages.
class PdfSaver
{
public:
    static bool save(const ReportDocument& document, const QString& fileName,
                     QString* error = nullptr);
};
