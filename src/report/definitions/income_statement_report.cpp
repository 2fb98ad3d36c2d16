#include "report/definitions/income_statement_report.h"

#include "core/app/app_state.h"
#include "core/books/account_book.h"
#include "core/data/data_module.h"
#include "core/settings/settings.h"
#include "report/definitions/fitted_text.h"
#include "report/definitions/report_frame_settings.h"
#include "report/report_label.h"
#include "report/report_page_frame.h"
#include "report/report_shape.h"

namespace {
constexpr double kPointSize = 8;
constexpr double kHeadingPointSize = 10;
constexpr double kFooterGapMm = 3;
constexpr double kFooterRowMm = 4.8;

PageFrameTexts incomeStatementTexts()
{
    PageFrameTexts texts;
    texts.headerTitle = {FrameTextPart::fixed(QStringLiteral("WINST & VERLIES"), true),
                         FrameTextPart::reportYear(true),
                         FrameTextPart::fixed(QStringLiteral("van:")),
                         FrameTextPart::associationName()};
    texts.footerTitle = {FrameTextPart::fixed(QStringLiteral("Winst&Verlies")),
                         FrameTextPart::associationName()};
    texts.dateCaption = QStringLiteral("Printdatum :");
    texts.pageNumbers = false;
    return texts;
}

// The 901, result and "TOTAAL" lines of both sides stand on the same heights below the
// longest side's rows, so the two totals face each other.
double footerTop()
{
    return IncomeStatementReport::HeadingHeightMm +
           IncomeStatement::ExpenseRows * IncomeStatementReport::RowHeightMm + kFooterGapMm;
}
} // namespace

IncomeStatementReport::IncomeStatementReport(DataModule& data, const Settings& settings,
                                             QObject* parent)
    : BandedReport(QString::fromLatin1(ReportName), parent), m_data(data), m_settings(settings)
{
    onQuickRepBeforePrint([this](bool& proceed) { QuickRepBeforePrint(proceed); });
    m_frame = std::make_unique<ReportPageFrame>(*this, incomeStatementTexts());
    m_detail = addBand(BandKind::Detail, footerTop() + 3 * kFooterRowMm);
    m_labels = std::make_unique<ElementPool<ReportLabel>>(*m_detail);
    m_rules = std::make_unique<ElementPool<ReportShape>>(*m_detail);
}

IncomeStatementReport::~IncomeStatementReport() = default;

bool IncomeStatementReport::toonsaldo()
{
    const AccountBook accounts = AccountBook::read(m_data, &m_error);
    m_statement.toonsaldo(accounts, m_settings.options().CombinedGroup440);
    layOut();
    return m_error.isEmpty();
}

void IncomeStatementReport::QuickRepBeforePrint(bool&)
{
    m_frame->setSettings(ReportFrameSettings::from(m_settings));
    m_frame->setReportYear(AppState::ReportYear);
}

void IncomeStatementReport::layOut()
{
    m_labels->reset();
    m_rules->reset();
    if (!m_error.isEmpty())
        return;
    for (const Line& line : m_statement.lines())
        placeLine(line);
}

double IncomeStatementReport::topOf(const Line& line) const
{
    switch (line.kind) {
    case Line::Kind::Heading:
        return 0;
    case Line::Kind::AccountRow:
    case Line::Kind::GroupRow:
        return HeadingHeightMm + RowHeightMm * (line.row - 1);
    case Line::Kind::DepositDifferences:
        return footerTop();
    case Line::Kind::Result:
        return footerTop() + kFooterRowMm;
    case Line::Kind::Total:
        return footerTop() + 2 * kFooterRowMm;
    }
    return 0;
}

void IncomeStatementReport::placeLine(const Line& line)
{
    const double sideLeft = line.side == Line::Side::Income ? IncomeLeft : ExpenseLeft;
    const double top = topOf(line);
    placeCaption(line, sideLeft, top);
    placeAmount(line, sideLeft, top);
    // A group's rule stands under its detail amounts, closing them off.
    const bool underDetail =
        line.kind == Line::Kind::GroupRow || line.column != Line::Column::Group;
    const double ruleLeft = sideLeft + (underDetail ? DetailLeft : GroupLeft);
    if (line.ruleAbove)
        placeRule(ruleLeft, top);
    if (line.ruleBelow)
        placeRule(ruleLeft, top + RowHeightMm);
}

void IncomeStatementReport::placeCaption(const Line& line, double sideLeft, double top)
{
    if (line.caption.isEmpty())
        return;
    const bool heading = line.kind == Line::Kind::Heading;
    QFont font = ItemStyle::defaultFont(heading ? kHeadingPointSize : kPointSize, line.bold);
    font.setItalic(line.italic);
    const double indent = 3.0 * line.level;
    // Footer lines may use the detail column's room: they have no detail amount.
    const bool rowLine = line.kind == Line::Kind::AccountRow || line.kind == Line::Kind::GroupRow;
    const double width = (rowLine ? NameWidth : GroupLeft - 1) - indent;
    ReportLabel* label = m_labels->take();
    label->setAutoSize(false);
    label->setFont(font);
    label->setColor(line.captionGrey ? ReportPageFrame::frameTextColor() : QColor(Qt::black));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(
        QRectF(sideLeft + indent, top, width, heading ? HeadingHeightMm : RowHeightMm));
    label->setCaption(FittedText::fit(line.caption, font, width));
}

void IncomeStatementReport::placeAmount(const Line& line, double sideLeft, double top)
{
    if (!line.amount.present || line.column == Line::Column::None)
        return;
    const double left = sideLeft + (line.column == Line::Column::Group ? GroupLeft : DetailLeft);
    ReportLabel* label = m_labels->take();
    label->setAutoSize(false);
    label->setFont(ItemStyle::defaultFont(kPointSize, line.bold));
    label->setColor(line.amountGrey ? ReportPageFrame::frameTextColor() : QColor(Qt::black));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(QRectF(left, top, AmountWidth, RowHeightMm));
    label->setCaption(line.amount.text);
}

// The short rule over an amount column, in the dark blue of the column headers.
void IncomeStatementReport::placeRule(double left, double y)
{
    ReportShape* rule = m_rules->take();
    rule->setKind(ReportShape::Kind::HorizontalLine);
    rule->setPen(ReportPageFrame::columnHeaderBackground(), 0.3);
    rule->setGeometry(QRectF(left + 2, y - 0.5, AmountWidth - 2, 1));
}
