#pragma once

#include <QColor>
#include <QList>
#include <QString>

class AccountBook;
class BalanceRadioGroup;

// How the setup windows show an account beside its option: the user's name for it as the
// caption, and the balance as stored in ",0.00", red below zero and grey otherwise.
class BalanceDisplay
{
public:
    static QColor colourFor(double saldo);
    static QString textFor(double saldo);
    // Option i of `group` shows account `accounts[i]`.
    static void fill(BalanceRadioGroup& group, const AccountBook& book, const QList<int>& accounts);
};
