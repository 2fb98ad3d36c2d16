#include "gui/overviews/overviews_catalogue.h"

#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "gui/overviews/journal_overview_window.h"
#include "gui/overviews/report_preview_dialog.h"
#include "report/definitions/balance_sheet_report.h"
#include "report/definitions/income_statement_report.h"
#include "report/definitions/journal_report.h"

namespace {
const QString kJournalReport = QString::fromLatin1(JournalReport::ReportName);
const QString kJournalOverview = QString::fromLatin1(JournalOverviewWindow::FormName);
const QString kBalanceSheet = QString::fromLatin1(BalanceSheetReport::ReportName);
const QString kIncomeStatement = QString::fromLatin1(IncomeStatementReport::ReportName);

template <typename Report, bool (Report::*fill)()> void fillAndPreview(QObject& object, Page& from)
{
    auto* report = qobject_cast<Report*>(&object);
    if (!report || !report->Available())
        return;
    if (!(report->*fill)()) {
        MessageBox::error(&from, report->lastError());
        return;
    }
    report->Preview();
}
} // namespace

QObject* OverviewsCatalogue::createJournalReport(Shell& shell)
{
    return new JournalReport(shell.data().journaaltabel, shell.settings());
}

QObject* OverviewsCatalogue::createJournalOverview(Shell& shell)
{
    auto* print = shell.find<JournalReport>(kJournalReport);
    if (!print)
        return nullptr;
    return new JournalOverviewWindow(shell.data().journaaltabel, *print);
}

QObject* OverviewsCatalogue::createBalanceSheetReport(Shell& shell)
{
    return new BalanceSheetReport(shell.data(), shell.settings());
}

QObject* OverviewsCatalogue::createIncomeStatementReport(Shell& shell)
{
    return new IncomeStatementReport(shell.data(), shell.settings());
}

void OverviewsCatalogue::launchBalanceSheet(Shell&, QObject& report, Page& from)
{
    fillAndPreview<BalanceSheetReport, &BalanceSheetReport::Toonsaldo>(report, from);
}

void OverviewsCatalogue::launchIncomeStatement(Shell&, QObject& report, Page& from)
{
    fillAndPreview<IncomeStatementReport, &IncomeStatementReport::toonsaldo>(report, from);
}

void OverviewsCatalogue::install(Shell& shell)
{
    ReportPreviewDialog::install();
    if (!shell.object(kJournalReport))
        shell.registerObject(kJournalReport, createJournalReport(shell));
    if (!shell.object(kJournalOverview))
        shell.registerObject(kJournalOverview, createJournalOverview(shell));
    if (!shell.object(kBalanceSheet))
        shell.registerObject(kBalanceSheet, createBalanceSheetReport(shell), &launchBalanceSheet);
    if (!shell.object(kIncomeStatement))
        shell.registerObject(kIncomeStatement, createIncomeStatementReport(shell),
                             &launchIncomeStatement);
    shell.mainWindow().refreshButtons();
}
