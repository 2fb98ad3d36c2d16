#include "core/books/depreciation.h"

#include "core/books/posting_sequence.h"
#include "core/ledger/ledger.h"

Depreciation::Depreciation(DataModule& data, Ledger& ledger) : m_data(data), m_ledger(ledger) {}

int Depreciation::inventoryAccountForOption(int option)
{
    return option >= 0 && option < Options ? 131 + option : 0;
}

int Depreciation::depreciationAccountForOption(int option)
{
    return option >= 0 && option < Options ? 491 + option : 0;
}

BooksResult Depreciation::post(int option, const QString& description, const QDate& date,
                               double amount)
{
    const int from = inventoryAccountForOption(option);
    const int to = depreciationAccountForOption(option);
    if (from == 0)
        return BooksResult::failure(QStringLiteral("Kies een balansrekening."));
    if (!PostingSequence::isBookableAmount(amount))
        return BooksResult::failure(PostingSequence::zeroAmountMessage());
    return PostingSequence(m_data, m_ledger)
        .run({[&](Ledger& ledger) {
                  return ledger.PostJournalEntry(from, to, description, date, amount);
              },
              [](Ledger& ledger) {
                  return ledger.RecomputeTotals({130, 490}, false);
              }});
}
