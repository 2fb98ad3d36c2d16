#pragma once

#include "core/books/income_statement.h"
#include "report/banded_report.h"
#include "report/definitions/element_pool.h"

#include <memory>

class DataModule;
class ReportLabel;
class ReportPageFrame;
class ReportShape;
class Settings;

// The income and expenditure statement: income accounts left, expense accounts right, each
// with its group totals, and the result of the period. toonsaldo() fills it; the detail
// band then prints once.
class IncomeStatementReport : public BandedReport
{
    Q_OBJECT
public:
    static constexpr const char* ReportName = "TQuickReport05";
    static constexpr double RowHeightMm = 3.8;
    static constexpr double HeadingHeightMm = 7;
    static constexpr double IncomeLeft = 0;
    static constexpr double ExpenseLeft = 97;
    // Within a side: the name, the detail column and the group column.
    static constexpr double NameWidth = 49;
    static constexpr double DetailLeft = 50;
    static constexpr double GroupLeft = 72;
    static constexpr double AmountWidth = 21;

    IncomeStatementReport(DataModule& data, const Settings& settings, QObject* parent = nullptr);
    ~IncomeStatementReport() override;

    // Reads the accounts and sets every text of the report. False (with the message in
    // lastError()) when the accounts could not be read; the report then shows no lines.
    bool toonsaldo();
    QString lastError() const { return m_error; }
    const IncomeStatement& contents() const { return m_statement; }
    ReportPageFrame& frame() const { return *m_frame; }

private:
    using Line = IncomeStatementLine;

    void QuickRepBeforePrint(bool& proceed);
    void layOut();
    void placeLine(const Line& line);
    double topOf(const Line& line) const;
    void placeCaption(const Line& line, double sideLeft, double top);
    void placeAmount(const Line& line, double sideLeft, double top);
    void placeRule(double left, double y);

    DataModule& m_data;
    const Settings& m_settings;
    std::unique_ptr<ReportPageFrame> m_frame;
    ReportBand* m_detail = nullptr;
    std::unique_ptr<ElementPool<ReportLabel>> m_labels;
    std::unique_ptr<ElementPool<ReportShape>> m_rules;
    IncomeStatement m_statement;
    QString m_error;
};
