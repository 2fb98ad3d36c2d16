#pragma once

#include <QColor>
#include <QList>

#include "core/entry/balance_row.h"

class AccountListLayout;
class FinancialOptions;
class Table;

// Reads the balances an entry window shows from the accounts table.
class EntryBalances
{
public:
    // Grey for zero and above, red below zero.
    static QColor colourFor(double shown);
    static QColor grey() { return QColor(170, 170, 170); }

    // One account; `negate` shows income balances as positive figures.
    static BalanceRow read(Table& accounts, int account, bool negate);
    // The 40 rows of an account list: member rows carry their account, separator rows the
    // group total. With CombinedGroup440 on an expense list, row 29 stays empty and row 35
    // shows 440, the total of the ten combined accounts.
    static QList<BalanceRow> listRows(Table& accounts, const AccountListLayout& layout, bool negate,
                                      bool CombinedGroup440);
    // The 15 options of a financial radio group, in option order.
    static QList<BalanceRow> optionRows(Table& accounts, const FinancialOptions& options);
};
