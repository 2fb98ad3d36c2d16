#pragma once

#include <QDate>
#include <QString>

#include "core/books/books_result.h"

class DataModule;
class Ledger;

// The postings of the opening balance window. Every entry is matched on the equity account
// 70, so the books stay in balance while they are filled. Each posting is one transaction.
// Neither posting counts as a change to be offered for backup.
class OpeningBalance
{
public:
    static constexpr int EquityAccount = 70;
    static constexpr int FinancialOptions = 23;
    static constexpr int OpenItemOptions = 2;

    OpeningBalance(DataModule& data, Ledger& ledger);

    // Left half: option 0-8 is bank 101-109, 9-13 cash 111-115, 14-22 inventory 131-139;
    // 0 for any other option.
    static int financialAccountForOption(int option);
    // Right half: option 0 is the payables account 201, option 1 the receivables account
    // 211; 0 for any other option.
    static int openItemAccountForOption(int option);

    // Books an opening balance from 70 to the chosen account and recomputes 100, 110 and 130.
    BooksResult postFinancialAccount(int option, const QString& description, const QDate& date,
                                     double amount);
    // Books an opening payable (201 to 70, plus an open payable) or receivable (70 to 211,
    // plus an open receivable) with the same description, date and amount.
    BooksResult postOpenItem(int option, const QString& description, const QDate& date,
                             double amount);

private:
    DataModule& m_data;
    Ledger& m_ledger;
};
