#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

#include "core/data/data_module.h"
#include "core/data/schema.h"
#include "core/ledger/ledger.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "crash_close/books_snapshot.h"

// Kills the year-end close and the clean slate at random moments while they run on a well
// filled administration, and checks after every kill that the books are exactly as before
// the action or exactly as after it: journal, balances, member flags and open items alike.
class TestCrashClose : public QObject
{
    Q_OBJECT

    static constexpr int Members = 4000;
    static constexpr int JournalLines = 4000;
    static constexpr int OpenItems = 300;
    static constexpr int Rounds = 12;

    QTemporaryDir m_pristine;
    QStringList m_before;

    QString pristineFile() const { return DataModule::administrationFile(m_pristine.path(), 0); }

    static void postYear(Ledger& ledger, QRandomGenerator& random)
    {
        for (int i = 0; i < JournalLines; ++i) {
            const int money = random.bounded(2) ? 101 + random.bounded(3) : 111 + random.bounded(2);
            const double amount = random.bounded(1, 50000) / 100.0;
            const QDate date = QDate(2024, 1, 1).addDays(random.bounded(365));
            const bool ok = random.bounded(3) == 0
                                ? ledger.PostJournalEntry(money, 401 + random.bounded(5), "uitgave",
                                                          date, amount)
                                : ledger.PostJournalEntry(701 + random.bounded(5), money,
                                                          "contributie", date, amount);
            QVERIFY2(ok, qPrintable(ledger.lastError()));
        }
        for (int i = 0; i < OpenItems; ++i) {
            const double amount = random.bounded(1, 20000) / 100.0;
            QVERIFY(ledger.PostJournalEntry(201, 441, "rekening", QDate(2024, 5, 1), amount));
            QVERIFY(ledger.AddPayable("rekening", QDate(2024, 5, 1), amount));
            QVERIFY(ledger.PostJournalEntry(711, 211, "sponsor", QDate(2024, 6, 1), amount));
            QVERIFY(ledger.AddReceivable("sponsor", QDate(2024, 6, 1), amount));
        }
    }

    static void addMembers(DataModule& data, QRandomGenerator& random)
    {
        QStringList fields{"Naam"};
        for (const QString& prefix : {QString("A"), QString(), QString("V")})
            fields << Schema::monthFields(prefix);
        QStringList marks(fields.size(), "?");
        Statement insert(data.Database1.handle(),
                         QStringLiteral("INSERT INTO leden (%1) VALUES (%2)")
                             .arg(fields.join(", "), marks.join(", ")));
        for (int i = 0; i < Members; ++i) {
            insert.reset();
            QVariantList values{QStringLiteral("Lid %1").arg(i, 5, 10, QLatin1Char('0'))};
            for (int flag = 1; flag < fields.size(); ++flag)
                values << int(random.bounded(2));
            QVERIFY(insert.bindAll(values));
            QVERIFY2(insert.run(), qPrintable(insert.error()));
        }
    }

    static QStringList snapshotOf(const QString& drive)
    {
        DataModule data;
        data.SelectAdministration(drive, 0);
        const QString error = data.OpenAllTables();
        if (!error.isEmpty())
            return {QStringLiteral("FOUT: ") + error};
        Statement integrity(data.Database1.handle(), "PRAGMA integrity_check");
        if (!integrity.step() || integrity.column(0).toString() != "ok")
            return {QStringLiteral("FOUT: bestand beschadigd")};
        return booksSnapshot(data.Database1.handle());
    }

    QString freshCopy(QTemporaryDir& dir) const
    {
        const QString file = DataModule::administrationFile(dir.path(), 0);
        QDir().mkpath(QFileInfo(file).path());
        return QFile::copy(pristineFile(), file) ? dir.path() : QString();
    }

    struct Run
    {
        bool finished = false;
        qint64 elapsedMicroseconds = 0;
    };

    // Starts the action and, when `killAfter` is not negative, kills it that many
    // microseconds after it announced its start.
    static Run runAction(const QString& drive, const QString& action, qint64 killAfter)
    {
        Run run;
        QProcess runner;
        runner.start(CLOSE_RUNNER, {drive, action});
        if (!runner.waitForStarted())
            return run;
        QByteArray out;
        while (!out.contains("start\n") && runner.waitForReadyRead(30000))
            out += runner.readAllStandardOutput();
        QElapsedTimer clock;
        clock.start();
        if (killAfter >= 0) {
            QThread::usleep(quint64(killAfter));
            ::kill(pid_t(runner.processId()), SIGKILL);
        }
        runner.waitForFinished(60000);
        run.elapsedMicroseconds = clock.nsecsElapsed() / 1000;
        out += runner.readAllStandardOutput();
        run.finished = out.contains("klaar");
        return run;
    }

    static QString firstDifference(const QStringList& a, const QStringList& b)
    {
        for (int i = 0; i < qMin(a.size(), b.size()); ++i)
            if (a[i] != b[i])
                return QStringLiteral("regel %1: %2 <> %3").arg(i).arg(a[i], b[i]);
        return QStringLiteral("lengte %1 <> %2").arg(a.size()).arg(b.size());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_pristine.isValid());
        DataModule data;
        data.SelectAdministration(m_pristine.path(), 0);
        QCOMPARE(data.OpenAllTables(), QString());
        Ledger ledger(data);
        QRandomGenerator random(20241231);
        {
            Transaction transaction(data.Database1);
            postYear(ledger, random);
            addMembers(data, random);
            QVERIFY(ledger.RecomputeAllTotals(false));
            QVERIFY(transaction.commit());
        }
        data.CloseAllTables();
        data.Database1.disconnect();
        m_before = snapshotOf(m_pristine.path());
        QVERIFY(m_before.size() > JournalLines + Members);
    }

    void killedActionLeavesTheBooksBeforeOrAfter_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("year-end close") << QString("jaarafsluiting");
        QTest::newRow("clean slate") << QString("schonelei");
    }
    void killedActionLeavesTheBooksBeforeOrAfter()
    {
        QFETCH(QString, action);
        // An uninterrupted run gives the books after the action and how long it takes.
        QTemporaryDir reference;
        const QString referenceDrive = freshCopy(reference);
        QVERIFY(!referenceDrive.isEmpty());
        const Run full = runAction(referenceDrive, action, -1);
        QVERIFY(full.finished);
        const QStringList after = snapshotOf(referenceDrive);
        QVERIFY(after != m_before);
        QVERIFY(!after.first().startsWith("FOUT"));

        int asBefore = 0;
        int asAfter = 0;
        int killedWhileRunning = 0;
        for (int round = 0; round < Rounds; ++round) {
            QTemporaryDir dir;
            const QString drive = freshCopy(dir);
            QVERIFY(!drive.isEmpty());
            const qint64 delay =
                QRandomGenerator::global()->bounded(full.elapsedMicroseconds * 6 / 5 + 1);
            const Run killed = runAction(drive, action, delay);
            if (!killed.finished)
                ++killedWhileRunning;
            const QStringList books = snapshotOf(drive);
            if (books == m_before)
                ++asBefore;
            else if (books == after)
                ++asAfter;
            else
                QFAIL(qPrintable(
                    QStringLiteral("ronde %1 na %2 µs: voor %3; na %4")
                        .arg(round)
                        .arg(delay)
                        .arg(firstDifference(books, m_before), firstDifference(books, after))));
        }
        qInfo("%s: %lld µs zonder onderbreking; %d keer als voor, %d keer als na, %d keer "
              "tijdens de actie gestopt",
              qPrintable(action), full.elapsedMicroseconds, asBefore, asAfter, killedWhileRunning);
        // Kills that all landed after the action had finished would prove nothing.
        QVERIFY(killedWhileRunning > 0);
    }
};

QTEST_GUILESS_MAIN(TestCrashClose)
#include "test_crash_close.moc"
