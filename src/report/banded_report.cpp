#include "report/banded_report.h"

#include "report/band_layouter.h"
#include "report/pdf_page_stream.h"

namespace {
BandedReport::PreviewPresenter& previewPresenter()
{
    static BandedReport::PreviewPresenter presenter;
    return presenter;
}

// Clears the busy flag however the run ends.
class BusyScope
{
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
};
} // namespace

BandedReport::BandedReport(const QString& reportName, QObject* parent) : QObject(parent)
{
    setObjectName(reportName);
}

BandedReport::~BandedReport() = default;

void BandedReport::setOrientation(QPageLayout::Orientation orientation)
{
    m_pageSettings.orientation = orientation;
}

ReportBand* BandedReport::addBand(BandKind kind, double heightMm)
{
    auto& slot = m_bands[kind];
    if (!slot)
        slot = std::make_unique<ReportBand>(kind, heightMm);
    return slot.get();
}

ReportBand* BandedReport::band(BandKind kind) const
{
    const auto found = m_bands.find(kind);
    return found == m_bands.end() ? nullptr : found->second.get();
}

void BandedReport::onQuickRepBeforePrint(BeforePrint handler)
{
    m_beforePrint.push_back(std::move(handler));
}

bool BandedReport::runBeforePrint()
{
    bool proceed = true;
    for (const BeforePrint& handler : m_beforePrint)
        handler(proceed);
    return proceed;
}

std::shared_ptr<ReportDocument> BandedReport::generate(ReportPageSink* sink)
{
    if (m_busy)
        return nullptr;
    BusyScope busy(m_busy);
    if (!runBeforePrint())
        return nullptr;
    auto document = std::make_shared<ReportDocument>(m_pageSettings);
    document->setTitle(objectName());
    const QDateTime printTime = m_printTime.isValid() ? m_printTime : QDateTime::currentDateTime();
    BandLayouter layouter(*this, *document, sink, printTime);
    layouter.run();
    if (!sink)
        m_lastDocument = document;
    return document;
}

bool BandedReport::Preview()
{
    if (!Available())
        return false;
    const std::shared_ptr<ReportDocument> document = generate();
    if (!document)
        return false;
    if (previewPresenter())
        previewPresenter()(*this, document);
    return true;
}

bool BandedReport::saveAsPdf(const QString& fileName, QString* error)
{
    if (!Available()) {
        if (error)
            *error = QStringLiteral("Het rapport wordt al aangemaakt.");
        return false;
    }
    PdfPageStream stream(fileName);
    if (!generate(&stream)) {
        stream.abandon();
        if (error)
            *error = QStringLiteral("Het afdrukken is afgebroken.");
        return false;
    }
    return stream.finish(error);
}

void BandedReport::setPreviewPresenter(PreviewPresenter presenter)
{
    previewPresenter() = std::move(presenter);
}
