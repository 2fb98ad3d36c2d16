#include "report/definitions/balance_sheet_report.h"

#include "core/app/app_state.h"
#include "core/books/account_book.h"
#include "core/data/data_module.h"
#include "report/definitions/fitted_text.h"
#include "report/definitions/report_frame_settings.h"
#include "report/report_label.h"
#include "report/report_page_frame.h"
#include "report/report_shape.h"

namespace {
constexpr double kPointSize = 9;
constexpr double kResultGapMm = 3;
constexpr double kSummaryGapMm = 10;

PageFrameTexts balanceSheetTexts()
{
    PageFrameTexts texts;
    texts.headerTitle = {
        FrameTextPart::fixed(QStringLiteral("BALANS"), true), FrameTextPart::reportYear(true),
        FrameTextPart::fixed(QStringLiteral("van :")), FrameTextPart::associationName()};
    texts.footerTitle = {FrameTextPart::fixed(QStringLiteral("Balans")),
                         FrameTextPart::associationName()};
    texts.dateCaption = QStringLiteral("Printdatum :");
    texts.pageNumbers = false;
    return texts;
}

double resultTop()
{
    return BalanceSheetReport::DetailRows * BalanceSheetReport::RowHeightMm + kResultGapMm;
}

double summaryTop()
{
    return resultTop() + 2 * BalanceSheetReport::RowHeightMm + kSummaryGapMm;
}
} // namespace

BalanceSheetReport::BalanceSheetReport(DataModule& data, const Settings& settings, QObject* parent)
    : BandedReport(QString::fromLatin1(ReportName), parent), m_data(data), m_settings(settings)
{
    onQuickRepBeforePrint([this](bool& proceed) { QuickRepBeforePrint(proceed); });
    m_frame = std::make_unique<ReportPageFrame>(*this, balanceSheetTexts());
    m_detail = addBand(BandKind::Detail, summaryTop() + 6 * RowHeightMm);
    m_labels = std::make_unique<ElementPool<ReportLabel>>(*m_detail);
    m_rules = std::make_unique<ElementPool<ReportShape>>(*m_detail);
}

BalanceSheetReport::~BalanceSheetReport() = default;

bool BalanceSheetReport::Toonsaldo()
{
    const AccountBook accounts = AccountBook::read(m_data, &m_error);
    m_sheet.Toonsaldo(accounts);
    layOut();
    return m_error.isEmpty();
}

void BalanceSheetReport::QuickRepBeforePrint(bool&)
{
    m_frame->setSettings(ReportFrameSettings::from(m_settings));
    m_frame->setReportYear(AppState::ReportYear);
}

void BalanceSheetReport::layOut()
{
    m_labels->reset();
    m_rules->reset();
    if (!m_error.isEmpty())
        return;
    int flowRow = 0;
    int summaryRow = 0;
    for (const BalanceSheetLine& line : m_sheet.lines())
        placeLine(line, topOfLine(line, flowRow, summaryRow));
}

// Rows close up under one another; the result, the totals and the summary block do not
// move with them.
double BalanceSheetReport::topOfLine(const BalanceSheetLine& line, int& flowRow,
                                     int& summaryRow) const
{
    switch (line.kind) {
    case BalanceSheetLine::Kind::Result:
        return resultTop();
    case BalanceSheetLine::Kind::Totals:
        return resultTop() + RowHeightMm;
    case BalanceSheetLine::Kind::Summary:
        return summaryTop() + RowHeightMm * summaryRow++;
    default:
        return RowHeightMm * flowRow++;
    }
}

void BalanceSheetReport::placeLine(const BalanceSheetLine& line, double top)
{
    placeCaption(line, top);
    const bool boldAmounts = line.bold || line.kind == BalanceSheetLine::Kind::ColumnHeads;
    if (line.block == BalanceSheetLine::Block::Summary) {
        placeAmount(line.amount.text, line.bold, DebitLeft, top);
    } else {
        placeAmount(line.debit.text, boldAmounts, DebitLeft, top);
        placeAmount(line.credit.text, boldAmounts, CreditLeft, top);
    }
    const double amountsWidth = CreditLeft + AmountWidth - DebitLeft;
    if (line.ruleAbove)
        placeRule(DebitLeft, amountsWidth, top);
    if (line.ruleBelow)
        placeRule(DebitLeft, amountsWidth, top + RowHeightMm);
}

void BalanceSheetReport::placeCaption(const BalanceSheetLine& line, double top)
{
    if (line.caption.isEmpty())
        return;
    const double left = CaptionLeft + IndentMm * line.level;
    const double width = DebitLeft - left - 2;
    const QFont font = ItemStyle::defaultFont(kPointSize, line.bold);
    ReportLabel* label = m_labels->take();
    label->setAutoSize(false);
    label->setFont(font);
    label->setColor(line.captionGrey ? ReportPageFrame::frameTextColor() : QColor(Qt::black));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(QRectF(left, top, width, RowHeightMm));
    label->setCaption(FittedText::fit(line.caption, font, width));
}

void BalanceSheetReport::placeAmount(const QString& text, bool bold, double left, double top)
{
    if (text.isEmpty())
        return;
    ReportLabel* label = m_labels->take();
    label->setAutoSize(false);
    label->setFont(ItemStyle::defaultFont(kPointSize, bold));
    label->setColor(Qt::black);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(QRectF(left, top, AmountWidth, RowHeightMm));
    label->setCaption(text);
}

void BalanceSheetReport::placeRule(double left, double width, double y)
{
    ReportShape* rule = m_rules->take();
    rule->setKind(ReportShape::Kind::HorizontalLine);
    rule->setPen(Qt::black, 0.2);
    rule->setGeometry(QRectF(left, y - 0.5, width, 1));
}
