#include "gui/entry/expense_entry_window.h"

#include <QDateEdit>
#include <QLineEdit>

#include "core/settings/settings.h"
#include "gui/widgets/amount_edit.h"

ExpenseEntryWindow::ExpenseEntryWindow(DataModule& data, Ledger& ledger, Settings& settings,
                                       QWidget* parent)
    : AccountEntryWindow(AccountEntryKind::expenses(), data, ledger, settings, parent)
{
}

EntryResult ExpenseEntryWindow::book(int listAccount, int financialAccount)
{
    return m_posting.postExpense(financialAccount, listAccount, m_description->text(),
                                 m_date->date(), m_amount->value(),
                                 m_settings.options().CombinedGroup440);
}
