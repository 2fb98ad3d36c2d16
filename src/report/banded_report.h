#pragma once

#include "report/page_settings.h"
#include "report/report_band.h"
#include "report/report_document.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <map>
#include <memory>

class ReportDataSource;
class ReportPageSink;

// A banded report: page settings, bands and their elements, an optional data source and the
// handlers that fill it. Generating it lays out pages into a ReportDocument, which is
// painted, printed and exported elsewhere. The report's object name is its report name.
class BandedReport : public QObject
{
    Q_OBJECT
public:
    // May clear proceed to call the run off.
    using BeforePrint = std::function<void(bool& proceed)>;
    // Shows a generated document (the print preview of the program's window layer).
    using PreviewPresenter =
        std::function<void(BandedReport& report, std::shared_ptr<const ReportDocument> document)>;

    explicit BandedReport(const QString& reportName = QString(), QObject* parent = nullptr);
    ~BandedReport() override;

    const PageSettings& pageSettings() const { return m_pageSettings; }
    void setPageSettings(const PageSettings& settings) { m_pageSettings = settings; }
    void setOrientation(QPageLayout::Orientation orientation);
    // Width of the bands: the paper less the side margins.
    double bandWidth() const { return m_pageSettings.bodyRectMm().width(); }

    // The band of this kind, made with the given height when the report has none yet.
    ReportBand* addBand(BandKind kind, double heightMm);
    ReportBand* band(BandKind kind) const;

    // One shared table under its current filter and order, or none: then the detail band
    // prints once. The report does not own it.
    void setDataSource(ReportDataSource* source) { m_dataSource = source; }
    ReportDataSource* dataSource() const { return m_dataSource; }

    // Handlers run once before each run, in the order they were added.
    void onQuickRepBeforePrint(BeforePrint handler);

    // The date and time printed by system-data elements; invalid means the moment of the run.
    void setPrintTime(const QDateTime& time) { m_printTime = time; }

    // False while the report is being generated: a print request then does nothing.
    bool Available() const { return !m_busy; }
    // Lays the report out. Pages go to the sink when one is given and are kept in the
    // returned document otherwise. Null when the report is busy or a handler called it off.
    std::shared_ptr<ReportDocument> generate(ReportPageSink* sink = nullptr);
    // Generates the report and hands it to the preview presenter; false when the report
    // was busy or the run was called off.
    bool Preview();
    std::shared_ptr<const ReportDocument> lastDocument() const { return m_lastDocument; }
    // Generates straight into a PDF file without keeping the pages.
    bool saveAsPdf(const QString& fileName, QString* error = nullptr);

    static void setPreviewPresenter(PreviewPresenter presenter);

private:
    bool runBeforePrint();

    PageSettings m_pageSettings;
    std::map<BandKind, std::unique_ptr<ReportBand>> m_bands;
    ReportDataSource* m_dataSource = nullptr;
    std::vector<BeforePrint> m_beforePrint;
    QDateTime m_printTime;
    bool m_busy = false;
    std::shared_ptr<const ReportDocument> m_lastDocument;
};
