#pragma once

#include <QString>

// One account as the statements read it: its number, the user's name for it, its balance
// (debit-positive) and whether it prints even at a zero balance.
struct AccountEntry
{
    int Nummer = 0;
    QString Naam;
    double saldo = 0.0;
    bool Altijdtonen = false;
};
