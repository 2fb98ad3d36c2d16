#pragma once

#include <QString>

#include "core/books/statement_amount.h"

// One printed line of the income and expenditure statement. The two sides stand next to
// each other, "INKOMSTEN" left and "UITGAVEN" right. Account rows fill the numbered rows of
// their side from the top without gaps; below the rows each side has, at fixed places, the
// line of account 901, the result line and the "TOTAAL" line (each present only when it
// prints).
struct IncomeStatementLine
{
    enum class Side
    {
        Income,
        Expense,
    };
    enum class Kind
    {
        Heading,            // bold italic "INKOMSTEN" or "UITGAVEN"
        AccountRow,         // a detail account: amount in the detail column
        GroupRow,           // a group account: amount in the group column
        DepositDifferences, // account 901
        Result,             // "Positief resultaat (Over)" or "Negatief resultaat (Tekort)"
        Total,              // bold "TOTAAL" with the grand total in the currency format
    };
    enum class Column
    {
        None,
        Detail,
        Group,
    };

    Side side = Side::Income;
    Kind kind = Kind::AccountRow;
    // 1-based row on the side for account and group rows; 0 for the other lines.
    int row = 0;
    // 1 for detail accounts (indented under their group), 0 otherwise.
    int level = 0;
    // 0 for lines of fixed text.
    int account = 0;
    QString caption;
    Column column = Column::None;
    StatementAmount amount;
    bool bold = false;
    bool italic = false;
    bool captionGrey = false;
    bool amountGrey = false;
    // The short rule above a group row, under the detail column, drawn in dark blue; row 1
    // has none.
    bool ruleAbove = false;
    bool ruleBelow = false;
};
