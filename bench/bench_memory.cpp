// bench_memory DRIVE: opens the administration below DRIVE as the program does, checks the
// ledger, recomputes the totals and walks the journal once, then prints the peak resident
// memory in MB.
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "core/data/data_module.h"
#include "core/ledger/ledger.h"

static double peakMegabytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

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
        return 1;
    }
    Ledger ledger(data);
    ledger.ComputeLedgerTotals();
    ledger.RecomputeAllTotals(false);
    double sum = 0;
    for (data.journaaltabel.first(); !data.journaaltabel.eof(); data.journaaltabel.next())
        sum += data.journaaltabel.asFloat("Bedrag");
    std::printf("%.1f\n", peakMegabytes());
    return sum == 0 && data.journaaltabel.recordCount() > 0 ? 1 : 0;
}
