#pragma once

#include <QDate>
#include <QString>

#include "core/books/books_result.h"

class DataModule;
class Ledger;

// The posting of the depreciation window: an amount typed by the user moves from inventory
// account 131 + i to its paired depreciation account 491 + i. One transaction.
class Depreciation
{
public:
    static constexpr int Options = 9;

    Depreciation(DataModule& data, Ledger& ledger);

    // Option i (0-8) pairs inventory account 131 + i with depreciation account 491 + i; 0
    // for any other option.
    static int inventoryAccountForOption(int option);
    static int depreciationAccountForOption(int option);

    // Books the depreciation and recomputes 130 and 490. A depreciation above the
    // inventory's balance is booked and leaves the inventory account negative.
    BooksResult post(int option, const QString& description, const QDate& date, double amount);

private:
    DataModule& m_data;
    Ledger& m_ledger;
};
