#include "report/pdf_saver.h"

#include "report/pdf_page_stream.h"
#include "report/report_document.h"

bool PdfSaver::save(const ReportDocument& document, const QString& fileName, QString* error)
{
    PdfPageStream stream(fileName);
    for (const ReportPage& page : document.pages())
        stream.takePage(document, page);
    return stream.finish(error);
}
