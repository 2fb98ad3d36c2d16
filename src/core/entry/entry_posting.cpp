#include "core/entry/entry_posting.h"

#include "core/data/data_module.h"
#include "core/entry/account_list_layout.h"
#include "core/entry/financial_options.h"
#include "core/ledger/ledger.h"
#include "core/store/transaction.h"

namespace {
bool isMoneyAccount(int account)
{
    return (account >= 101 && account <= 109) || (account >= 111 && account <= 115);
}

bool isListAccount(int base, int account)
{
    return AccountListLayout(base).rowForAccount(account) >= 0;
}

EntryResult refused(const QString& message)
{
    return EntryResult::failure(message);
}

const QString zeroAmount = QStringLiteral("Het bedrag is nul; er is niets geboekt.");
} // namespace

EntryPosting::EntryPosting(DataModule& data, Ledger& ledger) : m_data(data), m_ledger(ledger) {}

QList<int> EntryPosting::incomeTotals()
{
    return {100, 110, 700, 710, 720, 730, 740, 750, 760};
}

QList<int> EntryPosting::expenseTotals()
{
    return {100, 110, 400, 410, 420, 430, 440, 450, 460, 490};
}

QList<int> EntryPosting::moneyTotals()
{
    return {100, 110};
}

int EntryPosting::lastJournalNumber() const
{
    return m_data.journaaltabel.unfilteredCount();
}

EntryResult EntryPosting::postIncome(int incomeAccount, int financialAccount,
                                     const QString& description, const QDate& date, double amount)
{
    if (amount == 0.0)
        return refused(zeroAmount);
    if (!isListAccount(AccountListLayout::IncomeBase, incomeAccount))
        return refused(QStringLiteral("Rekening %1 is geen inkomstenrekening.").arg(incomeAccount));
    if (!isMoneyAccount(financialAccount) && financialAccount != FinancialOptions::Receivables)
        return refused(
            QStringLiteral("Rekening %1 is geen financiële rekening.").arg(financialAccount));
    const OpenItemStep step = financialAccount == FinancialOptions::Receivables
                                  ? OpenItemStep::AddReceivable
                                  : OpenItemStep::None;
    return run({incomeAccount, financialAccount, description, date, amount}, step, incomeTotals(),
               false);
}

EntryResult EntryPosting::postExpense(int financialAccount, int expenseAccount,
                                      const QString& description, const QDate& date, double amount,
                                      bool CombinedGroup440)
{
    if (amount == 0.0)
        return refused(zeroAmount);
    if (!isListAccount(AccountListLayout::ExpenseBase, expenseAccount))
        return refused(QStringLiteral("Rekening %1 is geen uitgaverekening.").arg(expenseAccount));
    if (!isMoneyAccount(financialAccount) && financialAccount != FinancialOptions::Payables)
        return refused(
            QStringLiteral("Rekening %1 is geen financiële rekening.").arg(financialAccount));
    const OpenItemStep step = financialAccount == FinancialOptions::Payables
                                  ? OpenItemStep::AddPayable
                                  : OpenItemStep::None;
    return run({financialAccount, expenseAccount, description, date, amount}, step, expenseTotals(),
               CombinedGroup440);
}

EntryResult EntryPosting::settleReceivable(int financialAccount, const QString& description,
                                           const QDate& date, double amount)
{
    if (amount == 0.0)
        return refused(zeroAmount);
    if (!isMoneyAccount(financialAccount) && financialAccount != FinancialOptions::Differences)
        return refused(
            QStringLiteral("Rekening %1 is geen financiële rekening.").arg(financialAccount));
    return run({FinancialOptions::Receivables, financialAccount, description, date, amount},
               OpenItemStep::SettleReceivable, moneyTotals(), false);
}

EntryResult EntryPosting::settlePayable(int financialAccount, const QString& description,
                                        const QDate& date, double amount)
{
    if (amount == 0.0)
        return refused(zeroAmount);
    if (!isMoneyAccount(financialAccount) && financialAccount != FinancialOptions::Differences)
        return refused(
            QStringLiteral("Rekening %1 is geen financiële rekening.").arg(financialAccount));
    return run({financialAccount, FinancialOptions::Payables, description, date, amount},
               OpenItemStep::SettlePayable, moneyTotals(), false);
}

EntryResult EntryPosting::postCrossPosting(int fromAccount, int toAccount,
                                           const QString& description, const QDate& date,
                                           double amount)
{
    if (amount == 0.0)
        return refused(zeroAmount);
    for (int account : {fromAccount, toAccount})
        if (!isMoneyAccount(account) && account != FinancialOptions::Differences)
            return refused(QStringLiteral("Rekening %1 is geen financiële rekening.").arg(account));
    if (fromAccount == toAccount)
        return refused(QStringLiteral("Van- en naar-rekening zijn dezelfde; er is niets geboekt."));
    return run({fromAccount, toAccount, description, date, amount}, OpenItemStep::None,
               moneyTotals(), false);
}

bool EntryPosting::runOpenItemStep(OpenItemStep step, const Booking& booking)
{
    switch (step) {
    case OpenItemStep::None:
        return true;
    case OpenItemStep::AddReceivable:
        return m_ledger.AddReceivable(booking.description, booking.date, booking.amount);
    case OpenItemStep::AddPayable:
        return m_ledger.AddPayable(booking.description, booking.date, booking.amount);
    case OpenItemStep::SettleReceivable:
        return m_ledger.SettleReceivable(booking.amount);
    case OpenItemStep::SettlePayable:
        return m_ledger.SettlePayable(booking.amount);
    }
    return false;
}

EntryResult EntryPosting::run(const Booking& booking, OpenItemStep step, const QList<int>& totals,
                              bool CombinedGroup440)
{
    // A settlement needs its open item; checking first keeps the journal untouched.
    const bool settles =
        step == OpenItemStep::SettleReceivable || step == OpenItemStep::SettlePayable;
    const Table& items =
        step == OpenItemStep::SettleReceivable ? m_data.ontvangentabel : m_data.betalentabel;
    if (settles && items.currentRowId() < 0)
        return refused(QStringLiteral("Er is geen openstaande post gekozen."));

    Transaction transaction(m_data.Database1);
    if (!transaction.isOpen())
        return EntryResult::failure(transaction.error());
    if (!m_ledger.PostJournalEntry(booking.from, booking.to, booking.description, booking.date,
                                   booking.amount) ||
        !runOpenItemStep(step, booking) || !m_ledger.RecomputeTotals(totals, CombinedGroup440))
        return EntryResult::failure(m_ledger.lastError());
    if (!transaction.commit())
        return EntryResult::failure(transaction.error());
    m_data.journaaltabel.last();
    return EntryResult::success(lastJournalNumber());
}
