#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class DataModule;
class Table;

// The bookkeeping routines every posting window uses. Each routine is one transaction of its
// own, and nests inside a caller's Transaction so a window's whole posting sequence (journal
// line, balances, open item, group totals) commits or fails as one. Routines return false
// with the Dutch message in lastError() when the store refuses a step.
class Ledger
{
public:
    explicit Ledger(DataModule& data);

    // Books `amount` from one account to another: lowers `from`, raises `to`, appends a
    // journal line numbered one past the number of lines in the journal, whatever filter a
    // view holds. Zero and negative amounts are booked as given.
    bool PostJournalEntry(int from, int to, const QString& description, const QDate& date,
                          double amount);
    // Sets the balance of `target` to the sum of the sources; sources of 0 or below are
    // empty slots.
    bool SumAccountsInto(int target, const QList<int>& sources);
    bool AddPayable(const QString& description, const QDate& date, double amount);
    bool AddReceivable(const QString& description, const QDate& date, double amount);
    // Settles the current open item: within 0.01 of its amount it is removed, otherwise
    // the rest stays open (negative when more was paid).
    bool SettlePayable(double amount);
    bool SettleReceivable(double amount);
    // Adds up the balances of all posting accounts into LedgerTotal and LedgerInBalance.
    bool ComputeLedgerTotals();
    // Recomputes every total account in the fixed order 100, 110, 130, 400 ... 760.
    bool RecomputeAllTotals(bool CombinedGroup440);
    // Recomputes the totals of the given accounts' groups.
    bool RecomputeTotals(const QList<int>& totals, bool CombinedGroup440);
    // The balance of one account, or 0 when the chart lacks it.
    double balance(int account);

    double LedgerTotal = 0.0;
    bool LedgerInBalance = true;

    QString lastError() const { return m_error; }

private:
    bool moveBalance(int account, double delta);
    bool addOpenItem(Table& table, const QString& description, const QDate& date, double amount);
    bool settleOpenItem(Table& table, double amount);
    bool fail(const QString& message);

    DataModule& m_data;
    QString m_error;
};

// Turns a window's search boxes into a filter on the table and switches it on. Returns
// false (with the message in the table's lastError) when the text does not parse; the
// previous filter then stays in force.
bool BuildSearchFilter(Table& table, int count, const QStringList& fields,
                       const QStringList& values, const QStringList& operators, bool filtered);
