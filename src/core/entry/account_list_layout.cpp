#include "core/entry/account_list_layout.h"

AccountListLayout::AccountListLayout(int base) : m_base(base) {}

int AccountListLayout::separatorRow(int group) const
{
    return group == Groups - 1 ? Rows - 1 : 6 * group + 5;
}

int AccountListLayout::group(int row) const
{
    if (row < 0 || row >= Rows)
        return -1;
    return qMin(row / 6, Groups - 1);
}

bool AccountListLayout::isSeparatorRow(int row) const
{
    const int g = group(row);
    return g >= 0 && row == separatorRow(g);
}

bool AccountListLayout::isMemberRow(int row) const
{
    return group(row) >= 0 && !isSeparatorRow(row);
}

QList<int> AccountListLayout::separatorRows() const
{
    QList<int> rows;
    for (int g = 0; g < Groups; ++g)
        rows.append(separatorRow(g));
    return rows;
}

int AccountListLayout::accountForRow(int row) const
{
    if (!isMemberRow(row))
        return 0;
    const int g = group(row);
    return totalAccount(g) + 1 + (row - 6 * g);
}

int AccountListLayout::rowForAccount(int account) const
{
    for (int g = 0; g < Groups; ++g) {
        const int offset = account - totalAccount(g) - 1;
        if (offset >= 0 && offset < membersInGroup(g))
            return 6 * g + offset;
    }
    return -1;
}
