#pragma once

#include <QDate>
#include <QString>

#include "core/books/books_result.h"

class DataModule;
class Ledger;

// The posting of the inventory purchase window: money goes from a bank or cash account,
// or becomes a bill to pay, into one of the nine inventory accounts. One transaction.
class InventoryPurchase
{
public:
    static constexpr int InventoryOptions = 9;
    static constexpr int FinancialOptions = 15;
    static constexpr int PayablesAccount = 201;

    InventoryPurchase(DataModule& data, Ledger& ledger);

    // Option 0-8 is inventory account 131-139; 0 for any other option.
    static int inventoryAccountForOption(int option);
    // Option 0-8 is bank 101-109, 9-13 cash 111-115, 14 the payables account 201; 0 for
    // any other option.
    static int financialAccountForOption(int option);

    // Books the purchase from the financial account to the inventory account; bought on
    // account (201) it also adds an open payable with the same description, date and
    // amount. Recomputes 100, 110 and 130.
    BooksResult post(int inventoryOption, int financialOption, const QString& description,
                     const QDate& date, double amount);

private:
    DataModule& m_data;
    Ledger& m_ledger;
};
