// Benchmarks of the books engine. FONDIREX_BENCH_DATA names a folder holding the
// administrations written by bench_generate, one drive folder per size: lines_1000 ... .
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sqlite3.h>

#include "core/data/data_module.h"
#include "core/ledger/chart_of_accounts.h"
#include "core/ledger/ledger.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"

namespace {

QString dataDrive(int lines)
{
    return QDir(qEnvironmentVariable("FONDIREX_BENCH_DATA"))
        .filePath(QStringLiteral("lines_%1").arg(lines));
}

double seconds(QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

constexpr int kPostings = 2000;

// The ledger's way: cursor routines with their own nested transactions.
double postWithLedger(const QString& drive)
{
    DataModule data;
    data.SelectAdministration(drive, 0);
    data.OpenAllTables();
    Ledger ledger(data);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kPostings; ++i) {
        Transaction transaction(data.Database1);
        ledger.PostJournalEntry(701 + i % 5, 101 + i % 3, "contributie", QDate(2024, 1, 1), 12.5);
        ledger.RecomputeTotals({100, 700}, false);
        transaction.commit();
    }
    return seconds(timer);
}

// The same statements straight on SQLite, prepared once, with the same durability settings.
double postWithRawSqlite(const QString& drive)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(DataModule::administrationFile(drive, 0).toUtf8().constData(), &db,
                    SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL", nullptr, nullptr,
                 nullptr);
    double elapsed = 0;
    {
        Statement read(db, "SELECT saldo FROM rekeningen WHERE Nummer = ?");
        Statement write(db, "UPDATE rekeningen SET saldo = ? WHERE Nummer = ?");
        Statement count(db, "SELECT COUNT(*) FROM journaal");
        Statement insert(db, "INSERT INTO journaal (JrNr, Datum, Omschrijving, Vanrekening, "
                             "Naarrekening, Bedrag) VALUES (?, ?, ?, ?, ?, ?)");
        const auto balanceOf = [&](int account) {
            read.reset();
            read.bind(1, double(account));
            const double saldo = read.step() ? read.columnDouble(0) : 0.0;
            read.reset();
            return saldo;
        };
        const auto setBalance = [&](int account, double saldo) {
            write.reset();
            write.bindAll({saldo, double(account)});
            write.run();
        };
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kPostings; ++i) {
            const int from = 701 + i % 5;
            const int to = 101 + i % 3;
            sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
            setBalance(from, balanceOf(from) - 12.5);
            setBalance(to, balanceOf(to) + 12.5);
            count.reset();
            count.step();
            const qint64 lines = count.columnInt64(0);
            count.reset();
            insert.reset();
            insert.bindAll(
                {double(lines + 1), "2024-01-01", "contributie", double(from), double(to), 12.5});
            insert.run();
            for (int total : {100, 700}) {
                double sum = 0;
                for (int member : ChartOfAccounts::groupOf(total, false))
                    sum += balanceOf(member);
                setBalance(total, sum);
            }
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        }
        elapsed = seconds(timer);
    }
    sqlite3_close(db);
    return elapsed;
}

void posting_vs_raw_sqlite(benchmark::State& state)
{
    double ledgerTime = 0;
    double rawTime = 0;
    for (auto _ : state) {
        QTemporaryDir a;
        QTemporaryDir b;
        for (const QString& drive : {a.path(), b.path()}) {
            DataModule data;
            data.SelectAdministration(drive, 0);
            data.OpenAllTables();
        }
        ledgerTime = postWithLedger(a.path());
        rawTime = postWithRawSqlite(b.path());
        state.SetIterationTime(ledgerTime);
    }
    state.counters["ratio"] = ledgerTime / rawTime;
    state.counters["raw_ms"] = rawTime * 1000;
}

void journal_filter(benchmark::State& state)
{
    DataModule data;
    data.SelectAdministration(dataDrive(int(state.range(0))), 0);
    if (!data.OpenAllTables().isEmpty()) {
        state.SkipWithError("geen benchmarkgegevens");
        return;
    }
    const QStringList fields{"JrNr", "JrNr", "Omschrijving", "Vanrekening", "Naarrekening"};
    const QStringList ops{">=", "<=", "LIKE", "=", "="};
    const QStringList words{"huur", "contributie", "koffie"};
    int n = 0;
    int count = 0;
    for (auto _ : state) {
        BuildSearchFilter(data.journaaltabel, 5, fields, {"", "", words[n++ % 3], "", ""}, ops,
                          true);
        count = data.journaaltabel.recordCount();
        benchmark::DoNotOptimize(count);
    }
    state.counters["records"] = count;
}

void open_and_check(benchmark::State& state)
{
    const QString drive = dataDrive(int(state.range(0)));
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        {
            DataModule data;
            data.SelectAdministration(drive, 0);
            if (!data.OpenAllTables().isEmpty()) {
                state.SkipWithError("geen benchmarkgegevens");
                return;
            }
            Ledger ledger(data);
            ledger.ComputeLedgerTotals();
            ledger.RecomputeAllTotals(false);
            state.SetIterationTime(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
}

} // namespace

BENCHMARK(posting_vs_raw_sqlite)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(journal_filter)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(open_and_check)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
