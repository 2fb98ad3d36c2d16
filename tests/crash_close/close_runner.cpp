// Runs the year-end close ("jaarafsluiting") or the clean slate ("schonelei") once on the
// administration below the given drive. Prints "start" right before the action begins and
// "klaar" once it is done, so the test can aim its kill at the action itself.
#include <QCoreApplication>
#include <cstdio>

#include "core/books/clean_slate.h"
#include "core/books/year_end_close.h"
#include "core/data/data_module.h"
#include "core/ledger/ledger.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    DataModule data;
    data.SelectAdministration(QString::fromLocal8Bit(argv[1]), 0);
    const QString error = data.OpenAllTables();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    Ledger ledger(data);
    const QByteArray action = argv[2];
    std::printf("start\n");
    std::fflush(stdout);
    const BooksResult result = action == "schonelei"
                                   ? CleanSlate(data).run()
                                   : YearEndClose(data, ledger).run(QDate(2025, 1, 1));
    if (!result) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
        return 1;
    }
    std::printf("klaar\n");
    std::fflush(stdout);
    return 0;
}
