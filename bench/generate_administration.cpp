#include "generate_administration.h"

#include <QDate>
#include <QHash>
#include <QRandomGenerator>

#include "core/data/data_module.h"
#include "core/ledger/chart_of_accounts.h"
#include "core/ledger/ledger.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"

namespace {

const QStringList kDescriptions = {
    "Contributie", "Huur zaal",     "Koffie en thee",    "Bankkosten",  "Sponsoring", "Drukwerk",
    "Materiaal",   "Kantine-omzet", "Subsidie gemeente", "Verzekering", "Reiskosten", "Gift"};

struct Booking
{
    int from;
    int to;
};

Booking randomBooking(QRandomGenerator& random)
{
    const int money = random.bounded(2) ? 101 + random.bounded(3) : 111 + random.bounded(2);
    switch (random.bounded(3)) {
    case 0:
        return {701 + 10 * random.bounded(6) + random.bounded(5), money};
    case 1:
        return {money, 401 + 10 * random.bounded(6) + random.bounded(5)};
    default:
        return {money, money == 101 ? 111 : 101};
    }
}

} // namespace

QString generateAdministration(const QString& drive, int journalLines, int members)
{
    DataModule data;
    data.SelectAdministration(drive, 0);
    QString error = data.OpenAllTables();
    if (!error.isEmpty())
        return error;
    sqlite3* db = data.Database1.handle();
    QRandomGenerator random(20240101);
    QHash<int, double> balances;
    {
        Transaction transaction(data.Database1);
        Statement line(db, "INSERT INTO journaal (JrNr, Datum, Omschrijving, Vanrekening, "
                           "Naarrekening, Bedrag) VALUES (?, ?, ?, ?, ?, ?)");
        const QDate start(2024, 1, 1);
        for (int n = 1; n <= journalLines; ++n) {
            const Booking b = randomBooking(random);
            const double amount = random.bounded(1, 250000) / 100.0;
            balances[b.from] -= amount;
            balances[b.to] += amount;
            line.reset();
            line.bindAll(
                {double(n), start.addDays(n % 366).toString(Qt::ISODate),
                 QStringLiteral("%1 %2").arg(kDescriptions[n % kDescriptions.size()]).arg(n),
                 double(b.from), double(b.to), amount});
            if (!line.run())
                return line.error();
        }
        Statement saldo(db, "UPDATE rekeningen SET saldo = ? WHERE Nummer = ?");
        for (auto it = balances.cbegin(); it != balances.cend(); ++it) {
            saldo.reset();
            saldo.bindAll({it.value(), double(it.key())});
            saldo.run();
        }
        Statement member(db,
                         "INSERT INTO leden (Naam, Voornaam, Plaats, Email) VALUES (?, ?, ?, ?)");
        for (int m = 0; m < members; ++m) {
            member.reset();
            member.bindAll({QStringLiteral("Lid%1").arg(m), QStringLiteral("Voornaam%1").arg(m),
                            QStringLiteral("Utrecht"), QStringLiteral("lid%1@example.org").arg(m)});
            member.run();
        }
        if (!transaction.commit())
            return transaction.error();
    }
    data.CloseAllTables();
    error = data.OpenAllTables();
    if (!error.isEmpty())
        return error;
    Ledger ledger(data);
    if (!ledger.RecomputeAllTotals(false))
        return ledger.lastError();
    data.Database1.exec("PRAGMA wal_checkpoint(TRUNCATE)");
    return QString();
}
