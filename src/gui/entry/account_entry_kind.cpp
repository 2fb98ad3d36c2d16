#include "gui/entry/account_entry_kind.h"

#include "core/entry/account_list_layout.h"
#include "core/entry/description_memory.h"
#include "core/entry/financial_options.h"

AccountEntryKind AccountEntryKind::income()
{
    return {QStringLiteral("TForm8"),
            QStringLiteral("Verwerken inkomsten"),
            QStringLiteral("1.1 INKOMSTEN"),
            QStringLiteral(" Inkomsten rekeningen "),
            QStringLiteral("4. Klik op wat voor inkomst het is"),
            AccountListLayout::IncomeBase,
            true,
            FinancialOptions::Receivables,
            QStringLiteral("Nog te ontvangen"),
            DescriptionMemory::IncomeFileName,
            {{"receivablesShortcut", "Te ontvangen  ", "TForm11"},
             {"expensesShortcut", "Uitgaven        ", "TForm15"},
             {"payablesShortcut", "Te betalen      ", "TForm10"},
             {"crossPostingsShortcut", "Kruisposten    ", "TForm9"}}};
}

AccountEntryKind AccountEntryKind::expenses()
{
    return {QStringLiteral("TForm15"),
            QStringLiteral("Verwerken uitgaven"),
            QStringLiteral("1.3 UITGAVEN"),
            QStringLiteral(" Uitgave rekeningen "),
            QStringLiteral("4. Klik op wat voor uitgave het is"),
            AccountListLayout::ExpenseBase,
            false,
            FinancialOptions::Payables,
            QStringLiteral("Nog te betalen"),
            DescriptionMemory::ExpenseFileName,
            {{"payablesShortcut", "Te betalen      ", "TForm10"},
             {"incomeShortcut", "Inkomsten      ", "TForm8"},
             {"receivablesShortcut", "Te ontvangen ", "TForm11"},
             {"crossPostingsShortcut", "Kruisposten    ", "TForm9"}}};
}
