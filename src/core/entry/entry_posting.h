#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "core/entry/entry_result.h"

class DataModule;
class Ledger;

// The posting sequences of the entry windows. Each runs as one transaction: the journal line,
// both balances, the open item and the group totals reach the books together or not at all.
// A zero amount or an account outside the window's choice is refused before anything is
// booked.
class EntryPosting
{
public:
    EntryPosting(DataModule& data, Ledger& ledger);

    // Income: from an income account (701-763) to a bank or cash account or 211, which also
    // adds an open receivable. Recomputes 100, 110, 700 ... 760.
    EntryResult postIncome(int incomeAccount, int financialAccount, const QString& description,
                           const QDate& date, double amount);
    // Expenses: from a bank or cash account or 201 (which also adds an open payable) to an
    // expense account (401-463). Recomputes 100, 110, 400 ... 460 and 490.
    EntryResult postExpense(int financialAccount, int expenseAccount, const QString& description,
                            const QDate& date, double amount, bool CombinedGroup440);
    // Settling the current open receivable: from 211 to a bank or cash account or 901.
    EntryResult settleReceivable(int financialAccount, const QString& description,
                                 const QDate& date, double amount);
    // Paying the current open payable: from a bank or cash account or 901 to 201.
    EntryResult settlePayable(int financialAccount, const QString& description, const QDate& date,
                              double amount);
    // A transfer between two bank, cash or difference accounts; never to the same account.
    EntryResult postCrossPosting(int fromAccount, int toAccount, const QString& description,
                                 const QDate& date, double amount);

    // The totals each sequence recomputes, in the order it recomputes them.
    static QList<int> incomeTotals();
    static QList<int> expenseTotals();
    static QList<int> moneyTotals();

    // The number of the journal's last line.
    int lastJournalNumber() const;

private:
    struct Booking
    {
        int from;
        int to;
        QString description;
        QDate date;
        double amount;
    };
    enum class OpenItemStep
    {
        None,
        AddReceivable,
        AddPayable,
        SettleReceivable,
        SettlePayable,
    };

    EntryResult run(const Booking& booking, OpenItemStep step, const QList<int>& totals,
                    bool CombinedGroup440);
    bool runOpenItemStep(OpenItemStep step, const Booking& booking);

    DataModule& m_data;
    Ledger& m_ledger;
};
