#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "core/data/data_module.h"
#include "core/ledger/chart_of_accounts.h"
#include "core/ledger/ledger.h"
#include "core/store/statement.h"

// Kills a posting process at random moments and checks after each kill that the books are
// whole: the file is sound, the ledger balances, every journal line is matched by its two
// balance moves, and the totals equal their groups.
class TestCrashSafety : public QObject
{
    Q_OBJECT

private:
    static void checkBooks(const QString& drive, int* lines)
    {
        DataModule data;
        data.SelectAdministration(drive, 0);
        QCOMPARE(data.OpenAllTables(), QString());
        sqlite3* db = data.Database1.handle();

        Statement integrity(db, "PRAGMA integrity_check");
        QVERIFY(integrity.step());
        QCOMPARE(integrity.column(0).toString(), QString("ok"));

        Ledger ledger(data);
        QVERIFY(ledger.ComputeLedgerTotals());
        QVERIFY2(ledger.LedgerInBalance, qPrintable(QString::number(ledger.LedgerTotal)));

        QHash<int, double> moved;
        Statement journal(db, "SELECT JrNr, Vanrekening, Naarrekening, Bedrag FROM journaal "
                              "ORDER BY JrNr");
        int expected = 1;
        while (journal.step()) {
            QCOMPARE(int(journal.columnDouble(0)), expected++);
            moved[int(journal.columnDouble(1))] -= journal.columnDouble(3);
            moved[int(journal.columnDouble(2))] += journal.columnDouble(3);
        }
        *lines = expected - 1;
        for (int account : ChartOfAccounts::PostingAccounts())
            QVERIFY2(qAbs(ledger.balance(account) - moved.value(account)) < 0.005,
                     qPrintable(QString::number(account)));
        for (int total : ChartOfAccounts::TotalAccounts()) {
            double sum = 0.0;
            for (int member : ChartOfAccounts::groupOf(total, false))
                sum += ledger.balance(member);
            QVERIFY2(qAbs(ledger.balance(total) - sum) < 0.005, qPrintable(QString::number(total)));
        }
    }

private slots:
    void killedPostingsLeaveTheBooksWhole()
    {
        QTemporaryDir dir;
        {
            DataModule data;
            data.SelectAdministration(dir.path(), 0);
            QCOMPARE(data.OpenAllTables(), QString());
        }
        int lines = 0;
        int previous = 0;
        for (int round = 0; round < 20; ++round) {
            QProcess poster;
            poster.start(CRASH_POSTER, {dir.path()});
            QVERIFY(poster.waitForStarted());
            QVERIFY(poster.waitForReadyRead(10000));
            QTest::qWait(int(QRandomGenerator::global()->bounded(20, 300)));
            QCOMPARE(poster.state(), QProcess::Running);
            ::kill(pid_t(poster.processId()), SIGKILL);
            QVERIFY(poster.waitForFinished(10000));
            checkBooks(dir.path(), &lines);
            if (QTest::currentTestFailed())
                return;
            QVERIFY(lines >= previous);
            previous = lines;
        }
        // The loop must really have posted, or it proved nothing.
        QVERIFY(lines > 20);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
