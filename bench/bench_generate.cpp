// bench_generate DRIVE LINES: writes a benchmark administration below DRIVE.
#include <QCoreApplication>
#include <cstdio>

#include "generate_administration.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "gebruik: bench_generate MAP REGELS\n");
        return 2;
    }
    const QString error = generateAdministration(QString::fromLocal8Bit(argv[1]), atoi(argv[2]));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
