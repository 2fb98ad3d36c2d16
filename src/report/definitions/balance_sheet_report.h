#pragma once

#include "core/books/balance_sheet.h"
#include "report/banded_report.h"
#include "report/definitions/element_pool.h"

#include <memory>

class DataModule;
class ReportLabel;
class ReportPageFrame;
class ReportShape;
class Settings;
struct BalanceSheetLine;

// The balance sheet: the balance accounts in a DEBET and a CREDIT column, the result and
// the old and new equity, as the accounts stand when it is printed. Toonsaldo() fills it;
// the detail band then prints once.
class BalanceSheetReport : public BandedReport
{
    Q_OBJECT
public:
    static constexpr const char* ReportName = "TQuickReport12";
    static constexpr double RowHeightMm = 5.0;
    // Rows the detail block holds at most above the result: column heads, old equity, the
    // four headings and 9 + 5 + 9 + 2 accounts. The result, "TOTALEN" and the summary block
    // stand below them at fixed places however many rows show.
    static constexpr int DetailRows = 31;

    BalanceSheetReport(DataModule& data, const Settings& settings, QObject* parent = nullptr);
    ~BalanceSheetReport() override;

    // Reads the accounts and sets every text of the report. False (with the message in
    // lastError()) when the accounts could not be read; the report then shows no lines.
    bool Toonsaldo();
    QString lastError() const { return m_error; }
    const BalanceSheet& contents() const { return m_sheet; }
    ReportPageFrame& frame() const { return *m_frame; }

    // Left edges and widths of the columns in millimetres within the band.
    static constexpr double CaptionLeft = 0;
    static constexpr double IndentMm = 5;
    static constexpr double DebitLeft = 105;
    static constexpr double CreditLeft = 148;
    static constexpr double AmountWidth = 40;

private:
    void QuickRepBeforePrint(bool& proceed);
    void layOut();
    void placeLine(const BalanceSheetLine& line, double top);
    void placeCaption(const BalanceSheetLine& line, double top);
    void placeAmount(const QString& text, bool bold, double left, double top);
    void placeRule(double left, double width, double y);
    double topOfLine(const BalanceSheetLine& line, int& flowRow, int& summaryRow) const;

    DataModule& m_data;
    const Settings& m_settings;
    std::unique_ptr<ReportPageFrame> m_frame;
    ReportBand* m_detail = nullptr;
    std::unique_ptr<ElementPool<ReportLabel>> m_labels;
    std::unique_ptr<ElementPool<ReportShape>> m_rules;
    BalanceSheet m_sheet;
    QString m_error;
};
