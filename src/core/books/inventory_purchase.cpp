#include "core/books/inventory_purchase.h"

#include "core/books/posting_sequence.h"
#include "core/ledger/ledger.h"

InventoryPurchase::InventoryPurchase(DataModule& data, Ledger& ledger)
    : m_data(data), m_ledger(ledger)
{
}

int InventoryPurchase::inventoryAccountForOption(int option)
{
    return option >= 0 && option < InventoryOptions ? 131 + option : 0;
}

int InventoryPurchase::financialAccountForOption(int option)
{
    if (option >= 0 && option <= 8)
        return 101 + option;
    if (option >= 9 && option <= 13)
        return 102 + option;
    if (option == 14)
        return PayablesAccount;
    return 0;
}

BooksResult InventoryPurchase::post(int inventoryOption, int financialOption,
                                    const QString& description, const QDate& date, double amount)
{
    const int inventory = inventoryAccountForOption(inventoryOption);
    const int financial = financialAccountForOption(financialOption);
    if (inventory == 0)
        return BooksResult::failure(QStringLiteral("Kies een investeringsrekening."));
    if (financial == 0)
        return BooksResult::failure(QStringLiteral("Kies een financiele rekening."));
    if (!PostingSequence::isBookableAmount(amount))
        return BooksResult::failure(PostingSequence::zeroAmountMessage());
    QList<PostingSequence::Step> steps{[&](Ledger& ledger) {
        return ledger.PostJournalEntry(financial, inventory, description, date, amount);
    }};
    if (financial == PayablesAccount)
        steps << [&](Ledger& ledger) { return ledger.AddPayable(description, date, amount); };
    steps << [](Ledger& ledger) { return ledger.RecomputeTotals({100, 110, 130}, false); };
    return PostingSequence(m_data, m_ledger).run(steps);
}
