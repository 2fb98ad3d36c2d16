#include "core/ledger/ledger.h"

#include <cmath>

#include "core/data/data_module.h"
#include "core/ledger/chart_of_accounts.h"
#include "core/ledger/search_filter_text.h"
#include "core/store/transaction.h"

Ledger::Ledger(DataModule& data) : m_data(data) {}

bool Ledger::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool Ledger::moveBalance(int account, double delta)
{
    Table& accounts = m_data.rekeningtabel;
    if (!accounts.findNearest(account))
        return fail(accounts.lastError());
    if (accounts.asInteger(QStringLiteral("Nummer")) != account)
        return fail(QStringLiteral("Rekening %1 bestaat niet.").arg(account));
    const double saldo = accounts.asFloat(QStringLiteral("saldo")) + delta;
    if (!accounts.edit() || !accounts.setValue(QStringLiteral("saldo"), saldo) || !accounts.post())
        return fail(accounts.lastError());
    return true;
}

bool Ledger::PostJournalEntry(int from, int to, const QString& description, const QDate& date,
                              double amount)
{
    Transaction transaction(m_data.Database1);
    if (!transaction.isOpen())
        return fail(transaction.error());
    if (!moveBalance(from, -amount) || !moveBalance(to, amount))
        return false;
    Table& journal = m_data.journaaltabel;
    // The number comes from the table itself, not from what a filtered view shows.
    const int number = journal.unfilteredCount() + 1;
    if (!journal.last() || !journal.append() ||
        !journal.setValue(QStringLiteral("JrNr"), double(number)) ||
        !journal.setValue(QStringLiteral("Datum"), date) ||
        !journal.setValue(QStringLiteral("Omschrijving"), description) ||
        !journal.setValue(QStringLiteral("Vanrekening"), double(from)) ||
        !journal.setValue(QStringLiteral("Naarrekening"), double(to)) ||
        !journal.setValue(QStringLiteral("Bedrag"), amount) || !journal.post()) {
        const QString error = journal.lastError();
        journal.cancel();
        return fail(error);
    }
    if (!transaction.commit())
        return fail(transaction.error());
    m_data.rekeningtabel.findNearest(to);
    return true;
}

bool Ledger::SumAccountsInto(int target, const QList<int>& sources)
{
    Transaction transaction(m_data.Database1);
    if (!transaction.isOpen())
        return fail(transaction.error());
    Table& accounts = m_data.rekeningtabel;
    double sum = 0.0;
    for (int source : sources) {
        if (source <= 0)
            continue;
        if (!accounts.findNearest(source))
            return fail(accounts.lastError());
        sum += accounts.asFloat(QStringLiteral("saldo"));
    }
    if (!accounts.findNearest(target))
        return fail(accounts.lastError());
    // A total that already holds its sum is left alone, so showing the books writes nothing
    // and costs no disk flush.
    const bool changed = accounts.value(QStringLiteral("saldo")) != QVariant(sum);
    if (changed &&
        (!accounts.edit() || !accounts.setValue(QStringLiteral("saldo"), sum) || !accounts.post()))
        return fail(accounts.lastError());
    if (!transaction.commit())
        return fail(transaction.error());
    accounts.first();
    return true;
}

bool Ledger::addOpenItem(Table& table, const QString& description, const QDate& date, double amount)
{
    if (!table.append() || !table.setValue(QStringLiteral("Datum"), date) ||
        !table.setValue(QStringLiteral("Omschrijving"), description) ||
        !table.setValue(QStringLiteral("Bedrag"), amount) || !table.post()) {
        const QString error = table.lastError();
        table.cancel();
        return fail(error);
    }
    return true;
}

bool Ledger::AddPayable(const QString& description, const QDate& date, double amount)
{
    return addOpenItem(m_data.betalentabel, description, date, amount);
}

bool Ledger::AddReceivable(const QString& description, const QDate& date, double amount)
{
    return addOpenItem(m_data.ontvangentabel, description, date, amount);
}

bool Ledger::settleOpenItem(Table& table, double amount)
{
    if (table.currentRowId() < 0)
        return fail(QStringLiteral("Er is geen openstaande post gekozen."));
    const double open = table.asFloat(QStringLiteral("Bedrag"));
    if (std::fabs(amount - open) < 0.01)
        return table.deleteRecord() || fail(table.lastError());
    if (!table.edit() || !table.setValue(QStringLiteral("Bedrag"), open - amount) ||
        !table.post()) {
        const QString error = table.lastError();
        table.cancel();
        return fail(error);
    }
    return true;
}

bool Ledger::SettlePayable(double amount)
{
    return settleOpenItem(m_data.betalentabel, amount);
}

bool Ledger::SettleReceivable(double amount)
{
    return settleOpenItem(m_data.ontvangentabel, amount);
}

bool Ledger::ComputeLedgerTotals()
{
    Table& accounts = m_data.rekeningtabel;
    double total = 0.0;
    for (int account : ChartOfAccounts::PostingAccounts()) {
        if (!accounts.findNearest(account))
            return fail(accounts.lastError());
        total += accounts.asFloat(QStringLiteral("saldo"));
    }
    LedgerTotal = total;
    LedgerInBalance = std::fabs(LedgerTotal) < 0.01;
    return true;
}

bool Ledger::RecomputeTotals(const QList<int>& totals, bool CombinedGroup440)
{
    Transaction transaction(m_data.Database1);
    if (!transaction.isOpen())
        return fail(transaction.error());
    for (int total : totals)
        if (!SumAccountsInto(total, ChartOfAccounts::groupOf(total, CombinedGroup440)))
            return false;
    return transaction.commit() || fail(transaction.error());
}

bool Ledger::RecomputeAllTotals(bool CombinedGroup440)
{
    return RecomputeTotals(ChartOfAccounts::TotalAccounts(), CombinedGroup440);
}

double Ledger::balance(int account)
{
    Table& accounts = m_data.rekeningtabel;
    if (!accounts.findNearest(account) || accounts.asInteger(QStringLiteral("Nummer")) != account)
        return 0.0;
    return accounts.asFloat(QStringLiteral("saldo"));
}

bool BuildSearchFilter(Table& table, int count, const QStringList& fields,
                       const QStringList& values, const QStringList& operators, bool filtered)
{
    const QString text = buildSearchFilterText(count, fields, values, operators);
    if (!table.setFilter(text))
        return false;
    table.setFiltered(filtered);
    return true;
}
