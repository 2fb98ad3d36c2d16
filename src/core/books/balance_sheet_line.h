#pragma once

#include <QString>

#include "core/books/statement_amount.h"

// One printed line of the balance sheet, in print order. The detail block has a text
// column and the DEBET and CREDIT amount columns; the summary block below it has a text
// and one amount column (`amount`).
struct BalanceSheetLine
{
    enum class Kind
    {
        ColumnHeads,    // debit.text "DEBET", credit.text "CREDIT", no caption
        OldEquity,      // account 70 + " (oud)", always printed
        SectionHeading, // bold: the name of 100, 110 or 130, or "Schulden / vorderingen"
        AccountRow,     // one shown account under its heading
        Result,         // "Positief resultaat (vermogenstoename)" or "Negatief ..."
        Totals,         // bold "TOTALEN", the grand total in both columns, currency format
        Summary,        // a line of the summary block
    };
    enum class Block
    {
        Detail,
        Summary,
    };

    Kind kind = Kind::AccountRow;
    Block block = Block::Detail;
    // The account the line shows or heads (100, 110, 130 for the headings); 0 for a line of
    // fixed text or a sum of accounts.
    int account = 0;
    // 0 for headings and fixed lines, 1 for the account rows under a heading.
    int level = 0;
    QString caption;
    StatementAmount debit;
    StatementAmount credit;
    StatementAmount amount;
    bool bold = false;
    // Names print grey, amounts and fixed texts black.
    bool captionGrey = false;
    bool ruleAbove = false;
    bool ruleBelow = false;
};
