#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "core/books/books_result.h"

class AccountBook;
class DataModule;
class Ledger;

// Starts a new financial year in the same administration: empties the journal, moves the
// members' contribution flags one year on, sets every balance to zero and books the
// balances of the bank, cash, inventory, payables and receivables accounts again from the
// equity account 70 as "beginbalans" on the closing date. Open items stay as they are.
// The whole action is one transaction: a crash or an error leaves the books exactly as
// they were before it started.
class YearEndClose
{
public:
    static constexpr int EquityAccount = 70;
    // A balance carried over must differ from zero by more than this.
    static constexpr double CarryThreshold = 0.01;

    YearEndClose(DataModule& data, Ledger& ledger);

    // 101-109, 111-115, 131-139, 201, 211, in the order they are booked.
    static const QList<int>& CarriedAccounts();
    static QString openingDescription() { return QStringLiteral("beginbalans"); }

    BooksResult run(const QDate& closingDate);

private:
    bool emptyJournal(QString* error);
    bool moveMemberFlagsOn(QString* error);
    bool zeroEveryBalance(QString* error);
    bool postCarriedBalances(const AccountBook& before, const QDate& closingDate, QString* error);
    bool recomputeTotals(QString* error);

    DataModule& m_data;
    Ledger& m_ledger;
};
