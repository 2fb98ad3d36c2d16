#pragma once

class Page;
class QObject;
class Shell;

// The creators and launchers of the journal overview, the journal print, the balance sheet
// and the income and expenditure statement, in the shapes of the window catalogue's rows
// (WindowCatalogueEntry::Creator and ::Launcher).
class OverviewsCatalogue
{
public:
    static QObject* createJournalReport(Shell& shell);         // TQuickReport04
    static QObject* createJournalOverview(Shell& shell);       // TForm7, after TQuickReport04
    static QObject* createBalanceSheetReport(Shell& shell);    // TQuickReport12
    static QObject* createIncomeStatementReport(Shell& shell); // TQuickReport05

    // The main window's " Balans " and " Winst Verlies " buttons: fill the statement from
    // the accounts as they stand and preview it, unless it is busy.
    static void launchBalanceSheet(Shell& shell, QObject& report, Page& from);
    static void launchIncomeStatement(Shell& shell, QObject& report, Page& from);

    // Creates whichever of the four the shell does not have yet, makes the print preview
    // the report engine's presenter and enables the main window's buttons for them.
    static void install(Shell& shell);
};
