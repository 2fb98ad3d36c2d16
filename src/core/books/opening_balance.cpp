#include "core/books/opening_balance.h"

#include "core/books/posting_sequence.h"
#include "core/ledger/ledger.h"

OpeningBalance::OpeningBalance(DataModule& data, Ledger& ledger) : m_data(data), m_ledger(ledger) {}

int OpeningBalance::financialAccountForOption(int option)
{
    if (option >= 0 && option <= 8)
        return 101 + option;
    if (option >= 9 && option <= 13)
        return 102 + option;
    if (option >= 14 && option <= 22)
        return 117 + option;
    return 0;
}

int OpeningBalance::openItemAccountForOption(int option)
{
    if (option == 0)
        return 201;
    if (option == 1)
        return 211;
    return 0;
}

BooksResult OpeningBalance::postFinancialAccount(int option, const QString& description,
                                                 const QDate& date, double amount)
{
    const int account = financialAccountForOption(option);
    if (account == 0)
        return BooksResult::failure(QStringLiteral("Kies een rekening."));
    if (!PostingSequence::isBookableAmount(amount))
        return BooksResult::failure(PostingSequence::zeroAmountMessage());
    return PostingSequence(m_data, m_ledger)
        .run({[&](Ledger& ledger) {
                  return ledger.PostJournalEntry(EquityAccount, account, description, date, amount);
              },
              [](Ledger& ledger) {
                  return ledger.RecomputeTotals({100, 110, 130}, false);
              }});
}

BooksResult OpeningBalance::postOpenItem(int option, const QString& description, const QDate& date,
                                         double amount)
{
    const int account = openItemAccountForOption(option);
    if (account == 0)
        return BooksResult::failure(QStringLiteral("Kies Nog te betalen of Nog te ontvangen."));
    if (!PostingSequence::isBookableAmount(amount))
        return BooksResult::failure(PostingSequence::zeroAmountMessage());
    const bool payable = account == 201;
    return PostingSequence(m_data, m_ledger)
        .run({[&](Ledger& ledger) {
                  return payable ? ledger.PostJournalEntry(account, EquityAccount, description,
                                                           date, amount)
                                 : ledger.PostJournalEntry(EquityAccount, account, description,
                                                           date, amount);
              },
              [&](Ledger& ledger) {
                  return payable ? ledger.AddPayable(description, date, amount)
                                 : ledger.AddReceivable(description, date, amount);
              }});
}
