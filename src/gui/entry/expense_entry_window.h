#pragma once

#include "gui/entry/account_entry_window.h"

// "Verwerken uitgaven": books from a bank or cash account, or 201 with an open payable, to
// an expense account.
class ExpenseEntryWindow : public AccountEntryWindow
{
    Q_OBJECT
public:
    ExpenseEntryWindow(DataModule& data, Ledger& ledger, Settings& settings,
                       QWidget* parent = nullptr);

protected:
    EntryResult book(int listAccount, int financialAccount) override;
};
