#include "core/data/data_module.h"
#include "core/settings/settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the real program as child processes against a temporary configuration.
class TestAppInstances : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void secondCopyIsRefusedUntilTheFirstEnds_data();
    void secondCopyIsRefusedUntilTheFirstEnds();
    void checkReportsTheLedger_data();
    void checkReportsTheLedger();

private:
    QString programDirectory() const { return m_dir->path() + QStringLiteral("/config"); }
    QString drive() const { return m_dir->path() + QStringLiteral("/drive"); }
    QString databaseFile() const { return drive() + QStringLiteral("/fondirex/fondirex.abs"); }
    QProcessEnvironment environment(const QString& answers = QString()) const;
    void startProgram(QProcess& process, const QStringList& arguments,
                      const QString& answers = QString());
    // Every file below the temporary directory with a digest of its content.
    QMap<QString, QByteArray> snapshot() const;

    QString m_program;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestAppInstances::initTestCase()
{
    // The test programs lie in <build>/tests, the program itself in <build>.
    m_program = qEnvironmentVariable("FONDIREX_TEST_BIN_DIR") + QStringLiteral("/../fondirex");
    if (!QFile::exists(m_program))
        QSKIP("fondirex is not built");
}

void TestAppInstances::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    Settings settings(programDirectory());
    settings.location().DriveText = drive();
    QVERIFY(settings.writeLocation());
}

void TestAppInstances::cleanup()
{
    m_dir.reset();
}

QProcessEnvironment TestAppInstances::environment(const QString& answers) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONDIREX_CONFIG_DIR"), programDirectory());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), m_dir->path());
    if (!answers.isEmpty())
        env.insert(QStringLiteral("FONDIREX_MESSAGE_ANSWERS"), answers);
    return env;
}

void TestAppInstances::startProgram(QProcess& process, const QStringList& arguments,
                                    const QString& answers)
{
    process.setProcessEnvironment(environment(answers));
    process.start(m_program, arguments);
    QVERIFY(process.waitForStarted());
}

QMap<QString, QByteArray> TestAppInstances::snapshot() const
{
    QMap<QString, QByteArray> files;
    QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.insert(
                file.fileName(),
                QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1) +
                    QByteArray::number(QFileInfo(file).lastModified().toMSecsSinceEpoch()));
    }
    return files;
}

void TestAppInstances::secondCopyIsRefusedUntilTheFirstEnds_data()
{
    QTest::addColumn<bool>("killed");
    QTest::newRow("first copy ends normally") << false;
    QTest::newRow("first copy killed") << true;
}

void TestAppInstances::secondCopyIsRefusedUntilTheFirstEnds()
{
    QFETCH(bool, killed);
    QProcess first;
    startProgram(first, {});
    const QString lock = programDirectory() + QStringLiteral("/fondirex.lock");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock) && QFile::exists(databaseFile()), 20000);
    QTest::qWait(500); // let the first show sequence finish its writes
    const auto before = snapshot();

    QProcess second;
    startProgram(second, {}, QStringLiteral("ok"));
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(second.readAllStandardError())
                 .count(QStringLiteral("Het programma is reeds actief")),
             1);
    QCOMPARE(snapshot(), before);
    QCOMPARE(first.state(), QProcess::Running);

    if (killed)
        first.kill();
    else
        first.terminate();
    QVERIFY(first.waitForFinished(10000));
    // Ended normally the lock is gone; killed it stays behind, to be taken over.
    QCOMPARE(QFile::exists(lock), killed);
    if (!killed)
        QCOMPARE(first.exitCode(), 0);

    QProcess next;
    startProgram(next, {QStringLiteral("--quit-after-start")}, QStringLiteral("ok"));
    QVERIFY(next.waitForFinished(20000));
    QCOMPARE(next.exitCode(), 0);
    QVERIFY(!next.readAllStandardError().contains("reeds actief"));
}

void TestAppInstances::checkReportsTheLedger_data()
{
    QTest::addColumn<QString>("books");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::newRow("new administration") << "new" << 0 << "Grootboek is in BALANS (OK)\n";
    QTest::newRow("out of balance")
        << "unbalanced" << 1 << "Grootboek is NIET in BALANS verschil = NEGATIEF € 12.50\n";
    QTest::newRow("not an administration") << "foreign" << 2 << "";
}

void TestAppInstances::checkReportsTheLedger()
{
    QFETCH(QString, books);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    if (books == QLatin1String("unbalanced")) {
        DataModule data;
        data.SelectAdministration(drive(), 0);
        QCOMPARE(data.OpenAllTables(), QString());
        QVERIFY(data.rekeningtabel.findNearest(101));
        QVERIFY(data.rekeningtabel.edit());
        QVERIFY(data.rekeningtabel.setValue(QStringLiteral("saldo"), -12.5));
        QVERIFY(data.rekeningtabel.post());
    } else if (books == QLatin1String("foreign")) {
        QVERIFY(QDir().mkpath(drive() + QStringLiteral("/fondirex")));
        QFile file(databaseFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("dit is geen administratie");
    }
    QProcess check;
    check.setProcessEnvironment(environment());
    check.start(m_program, {QStringLiteral("--check")});
    QVERIFY(check.waitForFinished(20000));
    QCOMPARE(check.exitStatus(), QProcess::NormalExit);
    QCOMPARE(check.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(check.readAllStandardOutput()), output);
    const QString errors = QString::fromUtf8(check.readAllStandardError());
    QCOMPARE(errors.trimmed().isEmpty(), exitCode != 2);
    // Settings files are created as at a first start, up to the step that failed.
    QCOMPARE(QFile::exists(programDirectory() + QStringLiteral("/kschema.dat")), exitCode != 2);
}

QTEST_GUILESS_MAIN(TestAppInstances)
#include "test_app_instances.moc"
