#include "gui/setup/setup_windows.h"

#include "gui/app/main_window.h"
#include "gui/app/shell.h"
#include "gui/setup/account_descriptions_window.h"
#include "gui/setup/clean_slate_window.h"
#include "gui/setup/depreciation_window.h"
#include "gui/setup/inventory_purchase_window.h"
#include "gui/setup/opening_balance_window.h"
#include "gui/setup/year_end_close_window.h"
#include "report/definitions/account_list_report.h"

QObject* SetupWindows::createOpeningBalance(Shell& shell)
{
    return new OpeningBalanceWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* SetupWindows::createYearEndClose(Shell& shell)
{
    return new YearEndCloseWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* SetupWindows::createCleanSlate(Shell& shell)
{
    return new CleanSlateWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* SetupWindows::createInventoryPurchase(Shell& shell)
{
    return new InventoryPurchaseWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* SetupWindows::createDepreciation(Shell& shell)
{
    return new DepreciationWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* SetupWindows::createAccountDescriptions(Shell& shell)
{
    return new AccountDescriptionsWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* SetupWindows::createAccountListReport(Shell& shell)
{
    return new AccountListReport(shell.data(), shell.settings());
}

void SetupWindows::registerAll(Shell& shell)
{
    const struct
    {
        const char* formName;
        QObject* (*create)(Shell&);
    } windows[] = {{"TForm33", createDepreciation},
                   {"TForm34", createInventoryPurchase},
                   {"TForm4", createAccountDescriptions},
                   {"TForm5", createOpeningBalance},
                   {"TQuickReport02", createAccountListReport},
                   {"TForm16", createYearEndClose},
                   {"TForm31", createCleanSlate}};
    for (const auto& window : windows)
        if (!shell.object(QLatin1String(window.formName)))
            shell.registerObject(QLatin1String(window.formName), window.create(shell));
    shell.mainWindow().refreshButtons();
}
