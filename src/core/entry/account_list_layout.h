#pragma once

#include <QList>

// The 40-row account list of the income and expense windows: seven groups of member
// accounts (five each, three in the last), each followed by a separator row that carries
// the group's total. Income starts at 701, expenses at 401.
class AccountListLayout
{
public:
    static constexpr int Rows = 40;
    static constexpr int Groups = 7;
    static constexpr int IncomeBase = 700;
    static constexpr int ExpenseBase = 400;

    // `base` is the first total account (700 or 400).
    explicit AccountListLayout(int base);

    int base() const { return m_base; }
    bool isSeparatorRow(int row) const;
    bool isMemberRow(int row) const;
    QList<int> separatorRows() const;
    // The posting account of a member row, or 0 for a separator row or a row out of range.
    int accountForRow(int row) const;
    // The list row of a member account, or -1.
    int rowForAccount(int account) const;
    // The total account of a group (0 ... 6) and the row that shows it.
    int totalAccount(int group) const { return m_base + 10 * group; }
    int separatorRow(int group) const;
    int group(int row) const;
    int membersInGroup(int group) const { return group == Groups - 1 ? 3 : 5; }

private:
    int m_base;
};
