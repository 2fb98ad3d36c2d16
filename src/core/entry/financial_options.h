#pragma once

#include <QList>

// The 15 options of a financial radio group: nine bank accounts (101-109), five cash
// accounts (111-115) and one last account that differs per window (211, 201 or 901).
class FinancialOptions
{
public:
    static constexpr int Count = 15;
    static constexpr int Receivables = 211;
    static constexpr int Payables = 201;
    static constexpr int Differences = 901;

    explicit FinancialOptions(int lastAccount);

    int lastAccount() const { return m_last; }
    // The account of option 0 ... 14, or 0 for no option (-1) or one out of range.
    int accountForOption(int option) const;
    int optionForAccount(int account) const;
    // The 15 accounts in option order.
    QList<int> accounts() const;

private:
    int m_last;
};
