#include "report/definitions/journal_report.h"

#include "core/amount_format.h"
#include "core/store/table.h"
#include "report/definitions/fitted_text.h"
#include "report/definitions/list_columns.h"
#include "report/definitions/report_frame_settings.h"
#include "report/report_data_field.h"
#include "report/report_label.h"
#include "report/report_page_frame.h"
#include "report/report_shape.h"

namespace {
constexpr double kPointSize = 8;
constexpr double kRowHeightMm = 4.5;

// Within the 190 mm of A4 portrait between the margins, clear of the right edge.
const ListColumn kColumns[] = {
    {"Bkst", "JrNr", 0, 11, Qt::AlignRight, ReportDataField::Format::DisplayText},
    {"Datum", "Datum", 13, 18, Qt::AlignLeft, ReportDataField::Format::DisplayText},
    {"Omschrijving", "Omschrijving", 32, 64, Qt::AlignLeft, ReportDataField::Format::DisplayText},
    {"Van rekening", "van", 97, 35, Qt::AlignLeft, ReportDataField::Format::DisplayText},
    {"Naar rekening", "naar", 133, 35, Qt::AlignLeft, ReportDataField::Format::DisplayText},
    {"Bedrag", "Bedrag", 167, 22, Qt::AlignRight, ReportDataField::Format::Amount},
};
} // namespace

JournalReport::JournalReport(Table& journal, const Settings& settings, QObject* parent)
    : BandedReport(QString::fromLatin1(ReportName), parent), m_settings(settings), m_source(journal)
{
    setDataSource(&m_source);
    // Runs before the frame's own handler, which switches the logo slots by these settings.
    onQuickRepBeforePrint([this](bool& proceed) { QuickRepBeforePrint(proceed); });
    const QString caption = QString::fromLatin1(Caption);
    m_frame = std::make_unique<ReportPageFrame>(*this, PageFrameTexts::standard(caption, caption));
    buildColumnHeader();
    buildDetail();
    buildSummary();
}

JournalReport::~JournalReport() = default;

void JournalReport::buildColumnHeader()
{
    ListColumns::addHeader(*addBand(BandKind::ColumnHeader, kRowHeightMm + 1), kColumns, kPointSize,
                           kRowHeightMm);
}

void JournalReport::buildDetail()
{
    ReportBand* band = addBand(BandKind::Detail, kRowHeightMm);
    const QList<ReportDataField*> fields =
        ListColumns::addFields(*band, kColumns, kPointSize, kRowHeightMm);
    const QFont font = ItemStyle::defaultFont(kPointSize);
    for (int i = 0; i < fields.size(); ++i) {
        const ListColumn& column = kColumns[i];
        if (column.format != ReportDataField::Format::DisplayText ||
            column.alignment == Qt::AlignRight)
            continue;
        const double width = column.width;
        const QString name = QString::fromLatin1(column.field);
        // The data source's display text (dd-mm-yyyy dates), cut to the column.
        fields[i]->setFormatter([this, font, width, name](const QVariant&) {
            return FittedText::fit(m_source.displayText(name), font, width);
        });
    }
    band->onBeforePrint(
        [this](ReportBand& detail, bool& print) { DetailBand1BeforePrint(detail, print); });
}

void JournalReport::buildSummary()
{
    ReportBand* band = addBand(BandKind::Summary, 2 * kRowHeightMm);
    auto* rule = band->add<ReportShape>(ReportShape::Kind::HorizontalLine);
    rule->setGeometry(QRectF(0, 0, bandWidth(), 1));
    rule->setPen(Qt::black, 0.3);
    auto* caption = band->add<ReportLabel>(QString::fromLatin1(TotalCaption));
    caption->setGeometry(QRectF(32, 1.5, 100, kRowHeightMm));
    caption->setFont(ItemStyle::defaultFont(kPointSize, true));
    m_totalText = band->add<ReportLabel>();
    m_totalText->setGeometry(QRectF(140, 1.5, 50, kRowHeightMm));
    m_totalText->setFont(ItemStyle::defaultFont(kPointSize, true));
    m_totalText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    band->onBeforePrint(
        [this](ReportBand& summary, bool& print) { SummaryBand1BeforePrint(summary, print); });
}

void JournalReport::QuickRepBeforePrint(bool&)
{
    m_total = 0.0;
    m_frame->setSettings(ReportFrameSettings::from(m_settings));
}

void JournalReport::DetailBand1BeforePrint(ReportBand&, bool&)
{
    m_total += m_source.value(QStringLiteral("Bedrag")).toDouble();
}

void JournalReport::SummaryBand1BeforePrint(ReportBand&, bool&)
{
    m_totalText->setCaption(AmountFormat::currency(m_total));
}
