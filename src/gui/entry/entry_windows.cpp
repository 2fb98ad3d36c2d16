#include "gui/entry/entry_windows.h"

#include "gui/app/main_window.h"
#include "gui/app/shell.h"
#include "gui/entry/cross_posting_window.h"
#include "gui/entry/expense_entry_window.h"
#include "gui/entry/income_entry_window.h"
#include "gui/entry/payables_settling_window.h"
#include "gui/entry/receivables_settling_window.h"

QObject* EntryWindows::createIncome(Shell& shell)
{
    return new IncomeEntryWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* EntryWindows::createExpenses(Shell& shell)
{
    return new ExpenseEntryWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* EntryWindows::createReceivables(Shell& shell)
{
    return new ReceivablesSettlingWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* EntryWindows::createPayables(Shell& shell)
{
    return new PayablesSettlingWindow(shell.data(), shell.ledger(), shell.settings());
}

QObject* EntryWindows::createCrossPostings(Shell& shell)
{
    return new CrossPostingWindow(shell.data(), shell.ledger(), shell.settings());
}

void EntryWindows::registerAll(Shell& shell)
{
    const struct
    {
        const char* formName;
        QObject* (*create)(Shell&);
    } windows[] = {{"TForm8", createIncome},
                   {"TForm9", createCrossPostings},
                   {"TForm10", createPayables},
                   {"TForm11", createReceivables},
                   {"TForm15", createExpenses}};
    for (const auto& window : windows)
        if (!shell.object(QLatin1String(window.formName)))
            shell.registerObject(QLatin1String(window.formName), window.create(shell));
    shell.mainWindow().refreshButtons();
}
