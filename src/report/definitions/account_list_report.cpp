#include "report/definitions/account_list_report.h"
#include "report/definitions/list_columns.h"
#include "report/definitions/report_frame_settings.h"

#include "core/books/account_book.h"
#include "core/settings/settings.h"
#include "report/report_data_field.h"
#include "report/report_label.h"
#include "report/report_page_frame.h"

namespace {
constexpr double kPointSize = 9;
constexpr double kRowHeightMm = 5;

const ListColumn kColumns[] = {
    {"Nummer", "Nummer", 0, 18, Qt::AlignRight, ReportDataField::Format::DisplayText},
    {"Rekeningnaam", "Naam", 26, 110, Qt::AlignLeft, ReportDataField::Format::DisplayText},
    {"Huidig Saldo", "saldo", 140, 40, Qt::AlignRight, ReportDataField::Format::Amount},
};

} // namespace

AccountListReport::AccountListReport(DataModule& data, const Settings& settings, QObject* parent)
    : BandedReport(QString::fromLatin1(ReportName), parent), m_data(data), m_settings(settings),
      m_source({QStringLiteral("Nummer"), QStringLiteral("Naam"), QStringLiteral("saldo")})
{
    setDataSource(&m_source);
    // Runs before the frame's own handler, which switches the logo slots by these settings.
    onQuickRepBeforePrint([this](bool& proceed) { QuickRepBeforePrint(proceed); });
    const QString caption = QString::fromLatin1(Caption);
    m_frame = std::make_unique<ReportPageFrame>(*this, PageFrameTexts::standard(caption, caption));
    buildColumnHeader();
    buildDetail();
}

AccountListReport::~AccountListReport() = default;

void AccountListReport::buildColumnHeader()
{
    ListColumns::addHeader(*addBand(BandKind::ColumnHeader, kRowHeightMm + 1), kColumns, kPointSize,
                           kRowHeightMm);
}

void AccountListReport::buildDetail()
{
    m_detail = addBand(BandKind::Detail, kRowHeightMm);
    ListColumns::addFields(*m_detail, kColumns, kPointSize, kRowHeightMm);
    m_detail->onAfterPrint(
        [this](ReportBand& band, bool printed) { DetailBand1AfterPrint(band, printed); });
}

void AccountListReport::QuickRepBeforePrint(bool&)
{
    m_frame->setSettings(ReportFrameSettings::from(m_settings));
    // Every run starts on a white row.
    m_detail->setBackground(Qt::white);
    fillAccounts();
}

void AccountListReport::DetailBand1AfterPrint(ReportBand& band, bool)
{
    band.setBackground(band.background() == QColor(Qt::white) ? stripeColour() : QColor(Qt::white));
}

void AccountListReport::fillAccounts()
{
    m_source.clear();
    const AccountBook book = AccountBook::read(m_data);
    for (int number : book.numbers()) {
        const AccountEntry account = book.entry(number);
        m_source.addRecord({account.Nummer, account.Naam, account.saldo});
    }
}
