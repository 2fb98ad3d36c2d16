#pragma once

#include "report/banded_report.h"
#include "report/memory_data_source.h"

#include <QColor>
#include <memory>

class DataModule;
class ReportBand;
class ReportPageFrame;
class Settings;

// The account list: every account of the chart in number order with its name and current
// balance, totals and zero balances included, in striped rows. The accounts are read afresh
// for each run from the database, so neither a window's filter on the shared accounts table
// nor its current record changes what prints.
class AccountListReport : public BandedReport
{
    Q_OBJECT
public:
    static constexpr const char* ReportName = "TQuickReport02";
    static constexpr const char* Caption = "Rekeningoverzicht van ";

    AccountListReport(DataModule& data, const Settings& settings, QObject* parent = nullptr);
    ~AccountListReport() override;

    ReportPageFrame& frame() const { return *m_frame; }
    static QColor stripeColour() { return QColor(226, 226, 241); }

private:
    void buildColumnHeader();
    void buildDetail();
    void QuickRepBeforePrint(bool& proceed);
    void DetailBand1AfterPrint(ReportBand& band, bool printed);
    void fillAccounts();

    DataModule& m_data;
    const Settings& m_settings;
    MemoryDataSource m_source;
    std::unique_ptr<ReportPageFrame> m_frame;
    ReportBand* m_detail = nullptr;
};
