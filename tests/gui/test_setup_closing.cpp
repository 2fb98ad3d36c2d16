#include "test_setup_fixture.h"

#include "core/data/schema.h"
#include "core/ledger/chart_of_accounts.h"
#include "gui/setup/clean_slate_window.h"
#include "gui/setup/year_end_close_window.h"

namespace {
void addMember(Table& members, const QString& name, const QStringList& flagsSet)
{
    QVERIFY(members.append());
    QVERIFY(members.setValue(QStringLiteral("Naam"), name));
    for (const QString& flag : flagsSet)
        QVERIFY(members.setValue(flag, true));
    QVERIFY(members.post());
}

// The flags set of one member, looked up by name.
QStringList flagsOf(Table& members, const QString& name)
{
    QStringList all;
    for (const QString& prefix : {QStringLiteral("A"), QString(), QStringLiteral("V")})
        all << Schema::monthFields(prefix);
    for (const QVariantMap& member : SetupFixture::records(members)) {
        if (member["Naam"].toString() != name)
            continue;
        QStringList set;
        for (const QString& flag : all)
            if (member[flag].toBool())
                set << flag;
        return set;
    }
    return {QStringLiteral("geen lid")};
}

// A year of books: income in the bank, a cent in the second bank, an open bill and an open
// receivable, and two members with contribution marks.
void fillYear(SetupFixture& fixture)
{
    Ledger& ledger = fixture.ledger();
    const QDate date(2024, 6, 1);
    QVERIFY(ledger.PostJournalEntry(701, 101, QStringLiteral("contributie"), date, 500.0));
    QVERIFY(ledger.PostJournalEntry(70, 102, QStringLiteral("afronding"), date, 0.01));
    QVERIFY(ledger.PostJournalEntry(201, 70, QStringLiteral("drukker"), date, 300.0));
    QVERIFY(ledger.AddPayable(QStringLiteral("drukker"), date, 300.0));
    QVERIFY(ledger.PostJournalEntry(70, 211, QStringLiteral("subsidie"), date, 100.0));
    QVERIFY(ledger.AddReceivable(QStringLiteral("subsidie"), date, 100.0));
    QVERIFY(ledger.RecomputeAllTotals(false));
    addMember(fixture.data().ledentabel, QStringLiteral("Jansen"),
              {QStringLiteral("Jan"), QStringLiteral("Vjan")});
    addMember(fixture.data().ledentabel, QStringLiteral("Pietersen"), {QStringLiteral("Ajan")});
}

QList<AccountEntry> accounts(SetupFixture& fixture)
{
    const AccountBook book = AccountBook::read(fixture.data());
    QList<AccountEntry> list;
    for (int number : book.numbers())
        list << book.entry(number);
    return list;
}

bool sameAccounts(const QList<AccountEntry>& a, const QList<AccountEntry>& b, bool withSaldo)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].Nummer != b[i].Nummer || a[i].Naam != b[i].Naam ||
            a[i].Altijdtonen != b[i].Altijdtonen || (withSaldo && a[i].saldo != b[i].saldo))
            return false;
    return true;
}
} // namespace

class TestSetupClosing : public QObject
{
    Q_OBJECT
private slots:
    void yearEndClose();
    void cleanSlate_data();
    void cleanSlate();
};

void TestSetupClosing::yearEndClose()
{
    SetupFixture fixture;
    fillYear(fixture);
    DataModule& data = fixture.data();
    const QList<QVariantMap> payables = SetupFixture::records(data.betalentabel);
    const QList<QVariantMap> receivables = SetupFixture::records(data.ontvangentabel);

    auto* window = fixture.open<YearEndCloseWindow>("yearEndCloseButton");
    QVERIFY(window);
    const QDate closingDate(2025, 1, 1);
    SetupFixture::find<QDateEdit>(window, "DateTimePicker1")->setDate(closingDate);
    SetupFixture::click(window, "SRColorButton1");

    // 101, 201 and 211 come back as "beginbalans"; the cent on 102 is not carried.
    const QList<QVariantMap> journal = SetupFixture::records(data.journaaltabel);
    QCOMPARE(journal.size(), 3);
    QCOMPARE(journal[0]["JrNr"].toInt(), 1);
    QCOMPARE(QDate::fromString(journal[0]["Datum"].toString(), Qt::ISODate), closingDate);
    const QList<int> carried{101, 201, 211};
    const QList<double> amounts{500.0, -300.0, 100.0};
    for (int line = 0; line < journal.size(); ++line) {
        QCOMPARE(journal[line]["Omschrijving"].toString(), QStringLiteral("beginbalans"));
        QCOMPARE(journal[line]["Vanrekening"].toInt(), 70);
        QCOMPARE(journal[line]["Naarrekening"].toInt(), carried[line]);
        QCOMPARE(journal[line]["Bedrag"].toDouble(), amounts[line]);
    }
    QCOMPARE(fixture.saldo(101), 500.0);
    QCOMPARE(fixture.saldo(102), 0.0);
    QCOMPARE(fixture.saldo(201), -300.0);
    QCOMPARE(fixture.saldo(211), 100.0);
    QCOMPARE(fixture.saldo(70), -300.0);
    QCOMPARE(fixture.saldo(701), 0.0);
    QCOMPARE(fixture.saldo(700), 0.0);
    QCOMPARE(fixture.saldo(100), 500.0);
    QCOMPARE(SetupFixture::records(data.betalentabel), payables);
    QCOMPARE(SetupFixture::records(data.ontvangentabel), receivables);
    QCOMPARE(flagsOf(data.ledentabel, QStringLiteral("Jansen")),
             (QStringList{QStringLiteral("Ajan"), QStringLiteral("Jan")}));
    QCOMPARE(flagsOf(data.ledentabel, QStringLiteral("Pietersen")), QStringList());
    QVERIFY(fixture.ledger().ComputeLedgerTotals());
    QVERIFY(fixture.ledger().LedgerInBalance);

    // A second press in the same visit would move the marks on again and lose "Ajan".
    QVERIFY(!window->canCloseYear());
    SetupFixture::click(window, "SRColorButton1");
    QCOMPARE(flagsOf(data.ledentabel, QStringLiteral("Jansen")),
             (QStringList{QStringLiteral("Ajan"), QStringLiteral("Jan")}));
    SetupFixture::click(window, "closeButton");
    QCOMPARE(fixture.open<YearEndCloseWindow>("yearEndCloseButton"), window);
    QVERIFY(window->canCloseYear());
}

void TestSetupClosing::cleanSlate_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("No") << QMessageBox::No;
    QTest::newRow("Yes") << QMessageBox::Yes;
}

void TestSetupClosing::cleanSlate()
{
    QFETCH(QMessageBox::StandardButton, answer);
    SetupFixture fixture;
    fillYear(fixture);
    DataModule& data = fixture.data();
    {
        Table& chart = data.rekeningtabel;
        QVERIFY(chart.findNearest(101));
        QVERIFY(chart.edit());
        QVERIFY(chart.setValue(QStringLiteral("Naam"), QStringLiteral("ING zakelijk")));
        QVERIFY(chart.setValue(QStringLiteral("Altijdtonen"), true));
        QVERIFY(chart.post());
    }
    const QList<AccountEntry> before = accounts(fixture);
    const QList<QVariantMap> journal = SetupFixture::records(data.journaaltabel);
    const QList<QVariantMap> payables = SetupFixture::records(data.betalentabel);
    const QList<QVariantMap> receivables = SetupFixture::records(data.ontvangentabel);
    const QList<QVariantMap> members = SetupFixture::records(data.ledentabel);

    auto* window = fixture.open<CleanSlateWindow>("cleanSlateButton");
    QVERIFY(window);
    MessageBox::setNextAnswer(answer);
    SetupFixture::click(window, "SRColorButton1");
    QCOMPARE(MessageBox::lastText(), QStringLiteral("Alle rekeningen leeg maken?? Zeker weten?"));
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Bevestiging"));

    QCOMPARE(SetupFixture::records(data.ledentabel), members);
    if (answer == QMessageBox::No) {
        QVERIFY(sameAccounts(accounts(fixture), before, true));
        QCOMPARE(SetupFixture::records(data.journaaltabel), journal);
        QCOMPARE(SetupFixture::records(data.betalentabel), payables);
        QCOMPARE(SetupFixture::records(data.ontvangentabel), receivables);
        return;
    }
    QVERIFY(sameAccounts(accounts(fixture), before, false));
    for (const AccountEntry& account : accounts(fixture))
        QCOMPARE(account.saldo, 0.0);
    QCOMPARE(data.journaaltabel.unfilteredCount(), 0);
    QCOMPARE(data.betalentabel.unfilteredCount(), 0);
    QCOMPARE(data.ontvangentabel.unfilteredCount(), 0);
    // The next posting starts the journal again at line 1.
    QVERIFY(fixture.ledger().PostJournalEntry(701, 101, QStringLiteral("contributie"),
                                              QDate(2025, 1, 2), 10.0));
    QCOMPARE(SetupFixture::records(data.journaaltabel).value(0)["JrNr"].toInt(), 1);
}

QTEST_MAIN(TestSetupClosing)
#include "test_setup_closing.moc"
