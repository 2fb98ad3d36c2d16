#include "core/books/year_end_close.h"

#include <cmath>

#include "core/books/account_book.h"
#include "core/books/pending_edits.h"
#include "core/data/data_module.h"
#include "core/data/schema.h"
#include "core/ledger/ledger.h"
#include "core/store/transaction.h"

namespace {

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// Previous year takes the current year, the current year takes the paid-in-advance year,
// and the advance year starts empty. SQLite evaluates every right-hand side on the old
// row, so one statement moves all three years at once.
QString moveFlagsStatement()
{
    const QStringList previous = Schema::monthFields(QStringLiteral("A"));
    const QStringList current = Schema::monthFields(QString());
    const QStringList advance = Schema::monthFields(QStringLiteral("V"));
    QStringList sets;
    for (int month = 0; month < 12; ++month) {
        sets << QStringLiteral("%1 = COALESCE(%2, 0)")
                    .arg(quoted(previous[month]), quoted(current[month]));
        sets << QStringLiteral("%1 = COALESCE(%2, 0)")
                    .arg(quoted(current[month]), quoted(advance[month]));
        sets << QStringLiteral("%1 = 0").arg(quoted(advance[month]));
    }
    return QStringLiteral("UPDATE leden SET ") + sets.join(QStringLiteral(", "));
}

} // namespace

YearEndClose::YearEndClose(DataModule& data, Ledger& ledger) : m_data(data), m_ledger(ledger) {}

const QList<int>& YearEndClose::CarriedAccounts()
{
    static const QList<int> accounts = [] {
        QList<int> list;
        for (int account = 101; account <= 109; ++account)
            list << account;
        for (int account = 111; account <= 115; ++account)
            list << account;
        for (int account = 131; account <= 139; ++account)
            list << account;
        list << 201 << 211;
        return list;
    }();
    return accounts;
}

BooksResult YearEndClose::run(const QDate& closingDate)
{
    if (!closingDate.isValid())
        return BooksResult::failure(QStringLiteral("Kies een geldige afsluitdatum."));
    const QList<Table*> tables{&m_data.ledentabel, &m_data.rekeningtabel, &m_data.journaaltabel};
    QString error = PendingEdits::postAll(tables);
    if (!error.isEmpty())
        return BooksResult::failure(error);

    Transaction transaction(m_data.Database1);
    if (!transaction.isOpen())
        return BooksResult::failure(transaction.error());
    const AccountBook before = AccountBook::read(m_data, &error);
    if (before.isEmpty())
        return BooksResult::failure(error.isEmpty() ? QStringLiteral("De rekeningen ontbreken.")
                                                    : error);
    if (!emptyJournal(&error) || !moveMemberFlagsOn(&error) || !zeroEveryBalance(&error) ||
        !postCarriedBalances(before, closingDate, &error) || !recomputeTotals(&error))
        return BooksResult::failure(error);
    if (!transaction.commit())
        return BooksResult::failure(transaction.error());
    return BooksResult::success(m_data.journaaltabel.unfilteredCount());
}

bool YearEndClose::emptyJournal(QString* error)
{
    if (m_data.journaaltabel.emptyTable())
        return true;
    *error = m_data.journaaltabel.lastError();
    return false;
}

bool YearEndClose::moveMemberFlagsOn(QString* error)
{
    if (!m_data.Database1.exec(moveFlagsStatement(), error))
        return false;
    *error = PendingEdits::rereadAll({&m_data.ledentabel});
    return error->isEmpty();
}

bool YearEndClose::zeroEveryBalance(QString* error)
{
    if (!m_data.Database1.exec(QStringLiteral("UPDATE rekeningen SET saldo = 0"), error))
        return false;
    *error = PendingEdits::rereadAll({&m_data.rekeningtabel});
    return error->isEmpty();
}

bool YearEndClose::postCarriedBalances(const AccountBook& before, const QDate& closingDate,
                                       QString* error)
{
    for (int account : CarriedAccounts()) {
        const double saldo = before.saldo(account);
        if (std::fabs(saldo) <= CarryThreshold)
            continue;
        if (!m_ledger.PostJournalEntry(EquityAccount, account, openingDescription(), closingDate,
                                       saldo)) {
            *error = m_ledger.lastError();
            return false;
        }
    }
    return true;
}

bool YearEndClose::recomputeTotals(QString* error)
{
    if (m_ledger.RecomputeTotals({100, 110, 130}, false))
        return true;
    *error = m_ledger.lastError();
    return false;
}
