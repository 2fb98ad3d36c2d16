#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

#include "core/books/books_result.h"

class DataModule;
class Ledger;

// Runs the steps of one posting window's action (journal line, open item, group totals) as
// one transaction: either every step reaches the books or none does. Shared by the opening
// balance, inventory purchase and depreciation routines.
class PostingSequence
{
public:
    PostingSequence(DataModule& data, Ledger& ledger);

    // A step returns false with the message in the ledger's lastError().
    using Step = std::function<bool(Ledger&)>;
    BooksResult run(const QList<Step>& steps);

    // An amount that would be booked as 0.00 books nothing.
    static bool isBookableAmount(double amount);
    static QString zeroAmountMessage();

private:
    int lastJournalNumber() const;

    DataModule& m_data;
    Ledger& m_ledger;
};
