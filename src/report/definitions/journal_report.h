#pragma once

#include "report/banded_report.h"
#include "report/table_data_source.h"

#include <memory>

class ReportBand;
class ReportLabel;
class ReportPageFrame;
class Settings;
class Table;

// The journal print: the journal lines exactly as the journal overview shows them (the
// shared table under its filter, in journal number order), one line each, and the total of
// the printed amounts.
class JournalReport : public BandedReport
{
    Q_OBJECT
public:
    static constexpr const char* ReportName = "TQuickReport04";
    static constexpr const char* Caption = "Overzicht journaal van";
    static constexpr const char* TotalCaption = "Totaaltelling van de getoonde mutaties";

    JournalReport(Table& journal, const Settings& settings, QObject* parent = nullptr);
    ~JournalReport() override;

    ReportPageFrame& frame() const { return *m_frame; }
    // The sum of the amounts printed by the last run.
    double total() const { return m_total; }

private:
    void buildColumnHeader();
    void buildDetail();
    void buildSummary();
    void QuickRepBeforePrint(bool& proceed);
    void DetailBand1BeforePrint(ReportBand& band, bool& printBand);
    void SummaryBand1BeforePrint(ReportBand& band, bool& printBand);

    const Settings& m_settings;
    TableDataSource m_source;
    std::unique_ptr<ReportPageFrame> m_frame;
    ReportLabel* m_totalText = nullptr;
    double m_total = 0.0;
};
