#include "gui/app/window_catalogue.h"

#include "gui/app/processed_notice.h"
#include "gui/app/shell.h"
#include "gui/entry/entry_windows.h"
#include "gui/maintenance/help_viewer_window.h"
#include "gui/overviews/overviews_catalogue.h"
#include "gui/setup/setup_windows.h"

namespace {
QObject* createHelpViewer(Shell& shell)
{
    return new HelpViewerWindow(shell.settings());
}

QObject* createProcessedNotice(Shell&)
{
    return new ProcessedNotice();
}
} // namespace

const WindowCatalogueEntry& WindowCatalogue::spreadsheetWindow()
{
    static const WindowCatalogueEntry entry{"TForm38", 0, nullptr};
    return entry;
}

const std::vector<WindowCatalogueEntry>& WindowCatalogue::entries()
{
    // The data module is row TDataModule1: the shell owns it from the start, so no window
    // created earlier may touch the tables before the main window first shows itself.
    static const std::vector<WindowCatalogueEntry> list{
        {"TForm35", 0, nullptr},        // budget comparison
        {"TQuickReport15", 0, nullptr}, // income progress report
        {"TQuickReport16", 0, nullptr}, // expense progress report
        {"TForm36", 2, nullptr},        // e-mail settings test
        {"TQuickReport10", 0, nullptr}, // member list
        {"TForm32", 2, nullptr},        // account overview
        {"TQuickReport11", 0, nullptr}, // account overview print
        {"TQuickReport12", 2, &OverviewsCatalogue::createBalanceSheetReport,
         &OverviewsCatalogue::launchBalanceSheet},               // balance sheet
        {"TForm33", 0, &SetupWindows::createDepreciation},       // depreciation
        {"TQuickReport13", 2, nullptr},                          // member list
        {"TForm34", 0, &SetupWindows::createInventoryPurchase},  // inventory purchase
        {"TQuickReport14", 2, nullptr},                          // chart print (Grafiek 2)
        {"TForm3", 2, nullptr},                                  // member entry
        {"TForm4", 2, &SetupWindows::createAccountDescriptions}, // account descriptions
        {"TForm5", 2, &SetupWindows::createOpeningBalance},      // opening balance
        {"TDataModule1", 2, nullptr},                            // data module, owned by the shell
        {"TQuickReport01", 2, nullptr},                          // member list
        {"TQuickReport02", 2, &SetupWindows::createAccountListReport},   // account list
        {"TForm6", 2, nullptr},                                          // contributions
        {"TQuickReport03", 2, nullptr},                                  // contribution overview
        {"TQuickReport04", 2, &OverviewsCatalogue::createJournalReport}, // journal print
        {"TForm7", 2, &OverviewsCatalogue::createJournalOverview},       // journal overview
        {"TForm37", 2, createHelpViewer},
        {"TForm8", 2, &EntryWindows::createIncome},        // income entry
        {"TForm9", 2, &EntryWindows::createCrossPostings}, // cross postings
        {"TQuickReport05", 2, &OverviewsCatalogue::createIncomeStatementReport,
         &OverviewsCatalogue::launchIncomeStatement},     // income and expenditure report
        {"TForm10", 2, &EntryWindows::createPayables},    // settling payables
        {"TForm11", 2, &EntryWindows::createReceivables}, // settling receivables
        {"TForm12", 2, createProcessedNotice},
        {"TForm13", 2, nullptr},                           // open payables overview
        {"TForm14", 2, nullptr},                           // open receivables overview
        {"TForm15", 2, &EntryWindows::createExpenses},     // expense entry
        {"TForm16", 2, &SetupWindows::createYearEndClose}, // year-end close
        {"TQuickReport06", 2, nullptr},                    // open receivables print
        {"TQuickReport07", 2, nullptr},                    // open payables print
        {"TForm17", 2, nullptr},                           // backup
        {"TForm18", 2, nullptr},                           // restore
        {"TForm19", 2, nullptr},                           // standard letter editing
        {"TForm20", 2, nullptr},                           // letter loading
        {"TQuickrepbrief", 2, nullptr},                    // letter print
        {"TForm21", 2, nullptr},                           // settings
        {"TForm22", 2, nullptr},                           // mailing selection
        {"TForm23", 2, nullptr},                           // letter saving
        {"TForm24", 2, nullptr},                           // sent notice
        {"TForm25", 2, nullptr},                           // e-mail editing and sending
        {"TForm26", 2, nullptr},                           // e-mail saving
        {"TForm27", 2, nullptr},                           // e-mail loading
        {"TQuickReport08", 2, nullptr},                    // member list
        {"TForm29", 2, nullptr},                           // sent e-mail log
        {"TQuickReport09", 2, nullptr},                    // budget print
        {"TForm30", 2, nullptr},                           // budget entry
        {"TForm31", 2, &SetupWindows::createCleanSlate},   // clean slate
        {"TQR1", 3, nullptr},                              // chart report (Grafiek 1)
    };
    return list;
}
