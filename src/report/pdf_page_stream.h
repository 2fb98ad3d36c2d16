#pragma once

#include "report/report_page_sink.h"

#include <QString>
#include <memory>

class QPainter;
class QPdfWriter;
class QSaveFile;

// Writes pages into a PDF file as they arrive; fonts are embedded. The file appears only
// when finish() succeeds, so a failed or abandoned run leaves no half-written file.
class PdfPageStream : public ReportPageSink
{
public:
    explicit PdfPageStream(const QString& fileName);
    ~PdfPageStream() override;

    void takePage(const ReportDocument& resources, ReportPage page) override;
    // False with a Dutch message when the file could not be written.
    bool finish(QString* error = nullptr);
    void abandon();
    int pageCount() const { return m_pageCount; }

private:
    bool begin(const ReportDocument& resources);

    QString m_fileName;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    int m_pageCount = 0;
    bool m_failed = false;
};
