// Times the program as the user meets it: a whole process from its start until the main
// window finished its first show sequence (offscreen), and `fondirex --check`. The books are
// the administrations bench_generate wrote below FONDIREX_BENCH_DATA (lines_<n>/fondirex).
#include "core/settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
QString dataDrive(int lines)
{
    return QDir(qEnvironmentVariable("FONDIREX_BENCH_DATA"))
        .filePath(QStringLiteral("lines_%1").arg(lines));
}

// A program directory whose basedrive.dat points at the benchmark administration.
bool writeProgramDirectory(const QString& programDirectory, int lines)
{
    Settings settings(programDirectory);
    settings.location().DriveText = dataDrive(lines);
    settings.location().DirectoryText = QStringLiteral("/fondirex");
    return bool(settings.writeLocation());
}

void runProgram(benchmark::State& state, const QStringList& arguments)
{
    const int lines = int(state.range(0));
    QTemporaryDir programDirectory;
    if (!writeProgramDirectory(programDirectory.path(), lines)) {
        state.SkipWithError("basedrive.dat kan niet worden geschreven");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONDIREX_CONFIG_DIR"), programDirectory.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(FONDIREX_PROGRAM), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            state.SkipWithError("fondirex eindigde niet normaal");
            return;
        }
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}

void startup(benchmark::State& state)
{
    runProgram(state, {QStringLiteral("--quit-after-start")});
}

void check(benchmark::State& state)
{
    runProgram(state, {QStringLiteral("--check")});
}
} // namespace

BENCHMARK(startup)->Arg(100000)->Repetitions(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(check)->Arg(100000)->Repetitions(5)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
