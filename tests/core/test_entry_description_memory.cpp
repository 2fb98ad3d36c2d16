#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core/entry/description_memory.h"

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestEntryDescriptionMemory : public QObject
{
    Q_OBJECT
private slots:
    void recordLayoutByteByByte();
    void missingFileIsCreatedWithThirtyEmptyEntries();
    void fileOfWrongSizeIsReportedAndKept();
    void thirtyFirstDescriptionPushesOldestOut();
    void rememberingSkipsEmptyAndKnownTexts();
    void longTextIsRememberedOnceAsItsFirstThirtyCharacters();
    void completionTakesFirstMatchInEntryOrder_data();
    void completionTakesFirstMatchInEntryOrder();
};

void TestEntryDescriptionMemory::recordLayoutByteByByte()
{
    DescriptionMemory memory;
    memory.remember(QStringLiteral("huur zaal"));
    memory.remember(QStringLiteral("café"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("getypt1.dat"));
    QVERIFY(memory.save(path).isEmpty());

    const QByteArray bytes = fileBytes(path);
    QCOMPARE(bytes.size(), 930);
    QByteArray expected(930, '\0');
    expected[0] = 4;
    expected.replace(1, 4, QByteArray("caf\xe9", 4));
    expected[31] = 9;
    expected.replace(32, 9, "huur zaal");
    for (int i = 0; i < bytes.size(); ++i)
        QVERIFY2(bytes[i] == expected[i], qPrintable(QStringLiteral("byte %1").arg(i)));

    DescriptionMemory reread;
    QVERIFY(reread.load(path).isEmpty());
    QCOMPARE(reread.entries(), memory.entries());
}

void TestEntryDescriptionMemory::missingFileIsCreatedWithThirtyEmptyEntries()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/getypt.dat"));
    DescriptionMemory memory;
    QVERIFY(memory.load(path).isEmpty());
    QCOMPARE(fileBytes(path), QByteArray(930, '\0'));
    QCOMPARE(memory.entries(), QStringList(30, QString()));
}

void TestEntryDescriptionMemory::fileOfWrongSizeIsReportedAndKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("getypt1.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kort");
    file.close();
    DescriptionMemory memory;
    memory.remember(QStringLiteral("blijft"));
    QVERIFY(!memory.load(path).isEmpty());
    QCOMPARE(memory.entry(0), QStringLiteral("blijft"));
    QCOMPARE(fileBytes(path), QByteArray("kort"));
}

void TestEntryDescriptionMemory::thirtyFirstDescriptionPushesOldestOut()
{
    DescriptionMemory memory;
    for (int i = 1; i <= 31; ++i)
        QVERIFY(memory.remember(QStringLiteral("omschrijving %1").arg(i)));
    QCOMPARE(memory.entry(0), QStringLiteral("omschrijving 31"));
    QCOMPARE(memory.entry(29), QStringLiteral("omschrijving 2"));
    QVERIFY(!memory.entries().contains(QStringLiteral("omschrijving 1")));
}

void TestEntryDescriptionMemory::rememberingSkipsEmptyAndKnownTexts()
{
    DescriptionMemory memory;
    QVERIFY(!memory.remember(QString()));
    QVERIFY(memory.remember(QStringLiteral("Contributie")));
    QVERIFY(memory.remember(QStringLiteral("huur")));
    QVERIFY(!memory.remember(QStringLiteral("Contributie")));
    // Case counts: another spelling is another text.
    QVERIFY(memory.remember(QStringLiteral("contributie")));
    QCOMPARE(memory.entries().mid(0, 3),
             (QStringList{QStringLiteral("contributie"), QStringLiteral("huur"),
                          QStringLiteral("Contributie")}));
}

void TestEntryDescriptionMemory::longTextIsRememberedOnceAsItsFirstThirtyCharacters()
{
    DescriptionMemory memory;
    const QString text = QStringLiteral("Contributie voorjaar en najaar 2024 van alle leden");
    QVERIFY(memory.remember(text));
    QVERIFY(!memory.remember(text));
    QCOMPARE(memory.entry(0), text.left(30));
    QCOMPARE(memory.entry(1), QString());
}

void TestEntryDescriptionMemory::completionTakesFirstMatchInEntryOrder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found");
    QTest::newRow("entry 3 before entry 7, though longer") << "Con" << 3;
    QTest::newRow("only entry 7 is long enough") << "Contributie j" << 7;
    QTest::newRow("case-sensitive") << "con" << -1;
    QTest::newRow("no entry starts so") << "xyz" << -1;
    QTest::newRow("empty text") << "" << -1;
}

void TestEntryDescriptionMemory::completionTakesFirstMatchInEntryOrder()
{
    QFETCH(QString, typed);
    QFETCH(int, found);
    DescriptionMemory memory;
    // Entry 7 after this: "Contributie januari"; entry 3: "Contributie".
    const QStringList texts{"Contributie januari", "a", "b", "c", "Contributie", "d", "e", "f"};
    for (const QString& text : texts)
        memory.remember(text);
    QCOMPARE(memory.entry(7), QStringLiteral("Contributie januari"));
    QCOMPARE(memory.entry(3), QStringLiteral("Contributie"));
    QCOMPARE(memory.FindRememberedDescription(typed), found);
}

QTEST_GUILESS_MAIN(TestEntryDescriptionMemory)
#include "test_entry_description_memory.moc"
