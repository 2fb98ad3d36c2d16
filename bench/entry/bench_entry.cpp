// Benchmarks of the entry windows. FONDIREX_BENCH_DATA names the folder holding the
// administrations written by bench_generate (lines_1000 ... lines_1000000).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "core/data/data_module.h"
#include "core/ledger/ledger.h"
#include "core/settings/settings.h"
#include "gui/app/application_frame.h"
#include "gui/entry/income_entry_window.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"
#include "gui/widgets/separator_check_list.h"

namespace {

QString sourceFile(int lines)
{
    return DataModule::administrationFile(QDir(qEnvironmentVariable("FONDIREX_BENCH_DATA"))
                                              .filePath(QStringLiteral("lines_%1").arg(lines)),
                                          0);
}

// From the post button's click until the window shows the new balances, on a copy of the
// benchmark administration so the shared one stays as generated.
void income_post_click(benchmark::State& state)
{
    QTemporaryDir drive;
    const QString target = DataModule::administrationFile(drive.path(), 0);
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!QFile::copy(sourceFile(int(state.range(0))), target)) {
        state.SkipWithError("geen benchmarkgegevens");
        return;
    }
    Settings settings(drive.path() + QStringLiteral("/config"));
    settings.location().DriveText = drive.path();
    DataModule data;
    data.SelectAdministration(drive.path(), 0);
    if (!data.OpenAllTables().isEmpty()) {
        state.SkipWithError("administratie niet te openen");
        return;
    }
    Ledger ledger(data);
    ApplicationFrame frame;
    auto* window = new IncomeEntryWindow(data, ledger, settings);
    frame.addPage(window);
    frame.showPage(window);
    frame.show();
    auto* amount = window->findChild<AmountEdit*>(QStringLiteral("RxCalcEdit2"));
    auto* post = window->findChild<ColourButton*>(QStringLiteral("SRColorButton1"));
    window->accountList()->setSelectedRow(1);
    window->accountList()->setCheckedRow(1);

    const int before = data.journaaltabel.unfilteredCount();
    for (auto _ : state) {
        amount->setValue(12.5);
        window->financialGroup()->setCheckedOption(2);
        QElapsedTimer timer;
        timer.start();
        post->click();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
    if (data.journaaltabel.unfilteredCount() != before + int(state.iterations()))
        state.SkipWithError("niet elke klik heeft geboekt");
}

} // namespace

BENCHMARK(income_post_click)
    ->Arg(100000)
    ->UseManualTime()
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
