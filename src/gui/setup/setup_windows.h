#pragma once

class QObject;
class Shell;

// Creates the windows that set up and close the books, and the account list report, for the
// shell's window catalogue: opening balance (TForm5), year-end close (TForm16), clean slate
// (TForm31), inventory purchase (TForm34), depreciation (TForm33), account descriptions
// (TForm4) and the account list (TQuickReport02).
class SetupWindows
{
public:
    static QObject* createOpeningBalance(Shell& shell);
    static QObject* createYearEndClose(Shell& shell);
    static QObject* createCleanSlate(Shell& shell);
    static QObject* createInventoryPurchase(Shell& shell);
    static QObject* createDepreciation(Shell& shell);
    static QObject* createAccountDescriptions(Shell& shell);
    static QObject* createAccountListReport(Shell& shell);
    // Registers those the shell does not know yet and lights the main window's buttons for
    // them.
    static void registerAll(Shell& shell);
};
