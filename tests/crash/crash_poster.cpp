// Posts income and expenses with their group totals, each as one transaction, until it is
// killed. Prints "klaar" once the administration is open so the test knows when to start
// its clock.
#include <QCoreApplication>
#include <QRandomGenerator>
#include <cstdio>

#include "core/data/data_module.h"
#include "core/ledger/ledger.h"
#include "core/store/transaction.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    DataModule data;
    data.SelectAdministration(QString::fromLocal8Bit(argv[1]), 0);
    const QString error = data.OpenAllTables();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    Ledger ledger(data);
    std::printf("klaar\n");
    std::fflush(stdout);
    QRandomGenerator random(quint32(QCoreApplication::applicationPid()));
    for (;;) {
        const bool income = random.bounded(2) == 0;
        const int bank = 101 + random.bounded(3);
        const int other = income ? 701 + random.bounded(5) : 441 + random.bounded(5);
        const double amount = random.bounded(1, 100000) / 100.0;
        Transaction transaction(data.Database1);
        const bool ok =
            income ? ledger.PostJournalEntry(other, bank, "inkomst", QDate(2024, 1, 1), amount)
                   : ledger.PostJournalEntry(bank, other, "uitgave", QDate(2024, 1, 1), amount);
        if (!ok || !ledger.RecomputeTotals({100, income ? 700 : 440}, false) ||
            !transaction.commit()) {
            std::fprintf(stderr, "%s\n", qPrintable(ledger.lastError()));
            return 1;
        }
    }
}
