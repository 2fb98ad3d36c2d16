#pragma once

#include <QObject>
#include <QString>
#include <memory>

class BandedReport;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;
class ReportDocument;

// The print preview of a generated report: zoom, page navigation, printer set-up and print
// from QPrintPreviewDialog, plus saving the pages as PDF, plain text, CSV or HTML. The
// dialog paints through the printer it was given, so the printer is declared first and
// destroyed last.
class ReportPreviewDialog : public QObject
{
    Q_OBJECT
public:
    enum class ExportFormat
    {
        Pdf,
        Text,
        Csv,
        Html,
    };

    explicit ReportPreviewDialog(std::shared_ptr<const ReportDocument> document,
                                 QWidget* parent = nullptr);
    ~ReportPreviewDialog() override;

    QPrintPreviewDialog& dialog() const { return *m_dialog; }
    QPrinter& printer() const { return *m_printer; }
    const ReportDocument& document() const { return *m_document; }
    // Shows the preview and returns when the user closed it.
    int exec();

    // Asks for a file name and writes the pages; false when cancelled or failed (a failure
    // is shown to the user).
    bool saveAs(ExportFormat format);
    // Writes the pages to the file; false with a Dutch message when it could not be written.
    bool save(ExportFormat format, const QString& fileName, QString* error) const;

    // Shows `document` of `report` in a preview window; the presenter of BandedReport.
    static void present(BandedReport& report, std::shared_ptr<const ReportDocument> document);
    // Makes present() the report engine's preview.
    static void install();

private:
    void addSaveActions();

    std::shared_ptr<const ReportDocument> m_document;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrintPreviewDialog> m_dialog;
};
