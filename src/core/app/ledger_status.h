#pragma once

#include <QString>

// The ledger check as the main window's status line shows it.
struct LedgerStatus
{
    static constexpr const char* NoConnectionText = "GEEN VERBINDING MET DE TABELLEN";
    static constexpr const char* WarningText = "Zet de laatste goede backup terug";
    // Windows colour values: red in the low byte.
    static constexpr int InBalanceColour = 14134444;
    static constexpr int OutOfBalanceColour = 255;

    QString text;
    int colour = InBalanceColour;
    bool inBalance = true;

    // In balance when the total is below 0.01 either way; otherwise the difference is shown
    // with its sign as a word and its size in the currency format.
    static LedgerStatus fromTotal(double ledgerTotal);
};
