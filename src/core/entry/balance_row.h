#pragma once

#include <QColor>
#include <QString>

// One balance as an entry window shows it: beside a list row, a radio option or on a
// separator row. An account of 0 means the place stays empty.
struct BalanceRow
{
    int account = 0;
    QString name;
    // The figure shown: the balance, negated on the income side.
    double shown = 0.0;
    QString amountText;
    QColor colour;
};
