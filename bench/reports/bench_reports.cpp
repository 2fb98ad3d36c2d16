// Benchmarks of the reports. FONDIREX_BENCH_DATA names the folder of administrations
// written by bench_generate (lines_1000 ... lines_1000000).
//
// journal_pdf: the journal print of N lines saved as PDF, run in a child process of this
// program so its peak memory is the print's own; reported as the counter peak_mb.
// balance_sheet_click: from the main window's " Balans " button to the preview with its
// first page laid out.
#include "core/settings/settings.h"
#include "gui/app/main_window.h"
#include "gui/app/shell.h"
#include "gui/overviews/overviews_catalogue.h"
#include "report/definitions/journal_report.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {
const char* kChildOption = "--journal-pdf-child";

QString dataDrive(int lines)
{
    return QDir(qEnvironmentVariable("FONDIREX_BENCH_DATA"))
        .filePath(QStringLiteral("lines_%1").arg(lines));
}

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

// The child: opens the administration below DRIVE as the program does and saves the whole
// journal print as OUT; prints the seconds the print took and the peak memory in MB.
int runJournalPdfChild(const QString& drive, const QString& out)
{
    DataModule data;
    data.SelectAdministration(drive, 0);
    if (const QString error = data.OpenAllTables(); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    Settings settings(QDir::tempPath());
    settings.setAssociationName(QStringLiteral("Benchmarkvereniging"));
    JournalReport report(data.journaaltabel, settings);
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!report.saveAsPdf(out, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%.6f %.1f\n", double(timer.nsecsElapsed()) / 1e9, peakMegabytes());
    return 0;
}

void journal_pdf(benchmark::State& state)
{
    const QString drive = dataDrive(int(state.range(0)));
    QTemporaryDir out;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kChildOption), drive,
                     out.filePath(QStringLiteral("journaal.pdf"))});
        if (!child.waitForFinished(600000) || child.exitCode() != 0) {
            state.SkipWithError(child.readAllStandardError().constData());
            return;
        }
        const QList<QByteArray> measured = child.readAllStandardOutput().trimmed().split(' ');
        state.SetIterationTime(measured.value(0).toDouble());
        state.counters["peak_mb"] = measured.value(1).toDouble();
    }
}
BENCHMARK(journal_pdf)->Arg(100000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// A started program on the 1,000-line administration, in a configuration directory of its own.
struct ClickFixture
{
    QTemporaryDir config;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<Shell> shell;

    ClickFixture()
    {
        qputenv("FONDIREX_CONFIG_DIR", config.path().toLocal8Bit());
        settings = std::make_unique<Settings>(config.path());
        settings->location().DriveText = dataDrive(1000);
        settings->location().DirectoryText = QStringLiteral("/fondirex");
        settings->writeLocation();
        shell = std::make_unique<Shell>(*settings);
        shell->start();
        OverviewsCatalogue::install(*shell);
    }
};

void balance_sheet_click(benchmark::State& state)
{
    ClickFixture fixture;
    auto* button =
        fixture.shell->mainWindow().findChild<QPushButton*>(QStringLiteral("balanceSheetButton"));
    if (!button || !button->isEnabled()) {
        state.SkipWithError("knop Balans niet beschikbaar");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer timer;
        double seconds = 0;
        // Fires once the modal preview runs, after its first layout of the pages.
        QTimer::singleShot(0, [&] {
            seconds = double(timer.nsecsElapsed()) / 1e9;
            if (auto* dialog =
                    qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        timer.start();
        button->click();
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(balance_sheet_click)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], kChildOption) == 0) {
        // Fonts and the PDF writer need the GUI application, not its windows.
        QGuiApplication app(argc, argv);
        return runJournalPdfChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
