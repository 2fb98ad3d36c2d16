#include "core/entry/entry_balances.h"

#include "core/amount_format.h"
#include "core/entry/account_list_layout.h"
#include "core/entry/financial_options.h"
#include "core/store/table.h"

QColor EntryBalances::colourFor(double shown)
{
    return shown < 0.0 ? QColor(Qt::red) : grey();
}

BalanceRow EntryBalances::read(Table& accounts, int account, bool negate)
{
    BalanceRow row;
    row.account = account;
    if (accounts.findNearest(account) && accounts.asInteger(QStringLiteral("Nummer")) == account) {
        row.name = accounts.asString(QStringLiteral("Naam"));
        const double saldo = accounts.asFloat(QStringLiteral("saldo"));
        row.shown = negate ? -saldo : saldo;
    }
    // -0.00 would show as a negative zero in red.
    if (AmountFormat::roundCents(row.shown) == 0.0)
        row.shown = 0.0;
    row.amountText = AmountFormat::format(row.shown);
    row.colour = colourFor(row.shown);
    return row;
}

QList<BalanceRow> EntryBalances::listRows(Table& accounts, const AccountListLayout& layout,
                                          bool negate, bool CombinedGroup440)
{
    QList<BalanceRow> rows(AccountListLayout::Rows);
    for (int row = 0; row < AccountListLayout::Rows; ++row) {
        const int member = layout.accountForRow(row);
        if (member > 0)
            rows[row] = read(accounts, member, negate);
    }
    for (int group = 0; group < AccountListLayout::Groups; ++group) {
        int total = layout.totalAccount(group);
        if (CombinedGroup440 && total == 440)
            continue;
        if (CombinedGroup440 && total == 450)
            total = 440;
        rows[layout.separatorRow(group)] = read(accounts, total, negate);
    }
    return rows;
}

QList<BalanceRow> EntryBalances::optionRows(Table& accounts, const FinancialOptions& options)
{
    QList<BalanceRow> rows;
    for (int account : options.accounts())
        rows.append(read(accounts, account, false));
    return rows;
}
