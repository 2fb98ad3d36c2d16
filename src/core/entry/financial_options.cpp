#include "core/entry/financial_options.h"

FinancialOptions::FinancialOptions(int lastAccount) : m_last(lastAccount) {}

int FinancialOptions::accountForOption(int option) const
{
    if (option >= 0 && option <= 8)
        return 101 + option;
    if (option >= 9 && option <= 13)
        return 102 + option;
    if (option == 14)
        return m_last;
    return 0;
}

int FinancialOptions::optionForAccount(int account) const
{
    for (int option = 0; option < Count; ++option)
        if (accountForOption(option) == account)
            return option;
    return -1;
}

QList<int> FinancialOptions::accounts() const
{
    QList<int> list;
    for (int option = 0; option < Count; ++option)
        list.append(accountForOption(option));
    return list;
}
