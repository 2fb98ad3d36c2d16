#include <QTest>

#include "core/entry/account_list_layout.h"
#include "core/entry/entry_balances.h"
#include "core/entry/entry_posting.h"
#include "core/entry/member_contribution.h"
#include "core/entry/open_item_marks.h"
#include "support/temp_administration.h"

namespace {
const QDate day(2024, 3, 1);

void addItem(TempAdministration& admin, Table& items, const QString& text, double amount,
             const QString& mark)
{
    const bool added = &items == &admin.data.betalentabel
                           ? admin.ledger.AddPayable(text, day, amount)
                           : admin.ledger.AddReceivable(text, day, amount);
    QVERIFY(added);
    if (!mark.isEmpty()) {
        QVERIFY(items.last());
        QVERIFY(items.edit());
        QVERIFY(items.setValue(QStringLiteral("Sel"), mark));
        QVERIFY(items.post());
    }
}

QList<double> amounts(Table& items)
{
    QList<double> list;
    for (int row = 0; row < items.recordCount(); ++row)
        list << items.valueAt(row, items.schema().fieldIndex(QStringLiteral("Bedrag"))).toDouble();
    return list;
}
} // namespace

class TestEntryPosting : public QObject
{
    Q_OBJECT
private slots:
    void listRowsMapToAccounts_data();
    void listRowsMapToAccounts();
    void incomeToReceivablesAddsOpenItemAndTotals();
    void expenseToPayablesAddsOpenItem();
    void combinedGroup440MovesTotalToRow35_data();
    void combinedGroup440MovesTotalToRow35();
    void zeroAmountAndSameAccountAreRefused();
    void settlingWithoutCurrentItemBooksNothing();
    void mergeMarked_data();
    void mergeMarked();
    void contributionTextReadsAsAmount_data();
    void contributionTextReadsAsAmount();
};

void TestEntryPosting::listRowsMapToAccounts_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("account");
    QTest::newRow("first income row") << 700 << 0 << 701;
    QTest::newRow("income separator 5") << 700 << 5 << 0;
    QTest::newRow("row 6") << 700 << 6 << 711;
    QTest::newRow("row 34") << 700 << 34 << 755;
    QTest::newRow("separator 35") << 700 << 35 << 0;
    QTest::newRow("row 38") << 700 << 38 << 763;
    QTest::newRow("separator 39") << 700 << 39 << 0;
    QTest::newRow("expense row 30") << 400 << 30 << 451;
    QTest::newRow("expense row 36") << 400 << 36 << 461;
    QTest::newRow("beyond the list") << 400 << 40 << 0;
}

void TestEntryPosting::listRowsMapToAccounts()
{
    QFETCH(int, base);
    QFETCH(int, row);
    QFETCH(int, account);
    const AccountListLayout layout(base);
    QCOMPARE(layout.accountForRow(row), account);
    if (account)
        QCOMPARE(layout.rowForAccount(account), row);
}

void TestEntryPosting::incomeToReceivablesAddsOpenItemAndTotals()
{
    TempAdministration admin;
    EntryPosting posting(admin.data, admin.ledger);
    const EntryResult result = posting.postIncome(703, 211, QStringLiteral("sponsor"), day, -40.0);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.lastJournalNumber, 1);
    QCOMPARE(admin.ledger.balance(703), 40.0);
    QCOMPARE(admin.ledger.balance(211), -40.0);
    QCOMPARE(admin.ledger.balance(700), 40.0);
    Table& items = admin.data.ontvangentabel;
    QCOMPARE(items.recordCount(), 1);
    QVERIFY(items.first());
    QCOMPARE(items.asString(QStringLiteral("Omschrijving")), QStringLiteral("sponsor"));
    QCOMPARE(items.asFloat(QStringLiteral("Bedrag")), -40.0);
    QCOMPARE(items.asDate(QStringLiteral("Datum")), day);
}

void TestEntryPosting::expenseToPayablesAddsOpenItem()
{
    TempAdministration admin;
    EntryPosting posting(admin.data, admin.ledger);
    QVERIFY(posting.postExpense(201, 412, QStringLiteral("drukwerk"), day, 75.5, false).ok);
    QCOMPARE(admin.ledger.balance(201), -75.5);
    QCOMPARE(admin.ledger.balance(412), 75.5);
    QCOMPARE(admin.ledger.balance(410), 75.5);
    QCOMPARE(amounts(admin.data.betalentabel), QList<double>{75.5});
}

void TestEntryPosting::combinedGroup440MovesTotalToRow35_data()
{
    QTest::addColumn<bool>("combined");
    QTest::addColumn<double>("total440");
    QTest::addColumn<double>("total450");
    QTest::addColumn<QString>("row29");
    QTest::addColumn<QString>("row35");
    QTest::newRow("combined") << true << 30.0 << 0.0 << ""
                              << "30.00";
    QTest::newRow("separate") << false << 10.0 << 20.0 << "10.00"
                              << "20.00";
}

void TestEntryPosting::combinedGroup440MovesTotalToRow35()
{
    QFETCH(bool, combined);
    QFETCH(double, total440);
    QFETCH(double, total450);
    QFETCH(QString, row29);
    QFETCH(QString, row35);
    TempAdministration admin;
    EntryPosting posting(admin.data, admin.ledger);
    QVERIFY(posting.postExpense(101, 441, QString(), day, 10.0, combined).ok);
    QVERIFY(posting.postExpense(101, 452, QString(), day, 20.0, combined).ok);
    QCOMPARE(admin.ledger.balance(440), total440);
    QCOMPARE(admin.ledger.balance(450), total450);
    const QList<BalanceRow> rows =
        EntryBalances::listRows(admin.data.rekeningtabel, AccountListLayout(400), false, combined);
    QCOMPARE(rows[29].account ? rows[29].amountText : QString(), row29);
    QCOMPARE(rows[35].amountText, row35);
    QCOMPARE(rows[31].amountText, QStringLiteral("20.00"));
}

void TestEntryPosting::zeroAmountAndSameAccountAreRefused()
{
    TempAdministration admin;
    EntryPosting posting(admin.data, admin.ledger);
    QVERIFY(!posting.postIncome(701, 101, QString(), day, 0.0).ok);
    QVERIFY(!posting.postIncome(700, 101, QString(), day, 5.0).ok);
    QVERIFY(!posting.postCrossPosting(111, 111, QString(), day, 5.0).ok);
    QCOMPARE(admin.data.journaaltabel.unfilteredCount(), 0);
}

void TestEntryPosting::settlingWithoutCurrentItemBooksNothing()
{
    TempAdministration admin;
    EntryPosting posting(admin.data, admin.ledger);
    const EntryResult result = posting.settlePayable(101, QStringLiteral("x"), day, 10.0);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(admin.data.journaaltabel.unfilteredCount(), 0);
    QCOMPARE(admin.ledger.balance(101), 0.0);
}

void TestEntryPosting::mergeMarked_data()
{
    QTest::addColumn<QList<double>>("items");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QList<double>>("after");
    QTest::addColumn<QStringList>("marksAfter");
    QTest::newRow("one marked: nothing") << QList<double>{10, 20} << QStringList{"J", ""}
                                         << QList<double>{10, 20} << QStringList{"J", ""};
    QTest::newRow("two that cancel: both gone")
        << QList<double>{50, 7, -50} << QStringList{"J", "N", "J"} << QList<double>{7}
        << QStringList{"N"};
    QTest::newRow("three marked: first two merged")
        << QList<double>{10, 20, 30, 40} << QStringList{"J", "J", "N", "J"}
        << QList<double>{30, 30, 40} << QStringList{"N", "N", "J"};
}

void TestEntryPosting::mergeMarked()
{
    QFETCH(QList<double>, items);
    QFETCH(QStringList, marks);
    QFETCH(QList<double>, after);
    QFETCH(QStringList, marksAfter);
    TempAdministration admin;
    Table& table = admin.data.betalentabel;
    for (int i = 0; i < items.size(); ++i)
        addItem(admin, table, QStringLiteral("post %1").arg(i), items[i], marks[i]);
    const OpenItemMarks::MergeOutcome outcome =
        OpenItemMarks::mergeMarked(admin.data.Database1, table);
    QVERIFY(outcome.error.isEmpty());
    QCOMPARE(outcome.merged, marks.count(QStringLiteral("J")) >= 2);
    QCOMPARE(amounts(table), after);
    QStringList marksNow;
    for (int row = 0; row < table.recordCount(); ++row)
        marksNow << table.valueAt(row, table.schema().fieldIndex(QStringLiteral("Sel"))).toString();
    QCOMPARE(marksNow, marksAfter);
}

void TestEntryPosting::contributionTextReadsAsAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("amount");
    QTest::newRow("decimal comma") << "12,50" << 12.5;
    QTest::newRow("decimal point") << "12.5" << 12.5;
    QTest::newRow("whole") << " 30 " << 30.0;
    QTest::newRow("thousands") << "1,250.00" << 1250.0;
    QTest::newRow("no amount") << "gratis" << 0.0;
}

void TestEntryPosting::contributionTextReadsAsAmount()
{
    QFETCH(QString, text);
    QFETCH(double, amount);
    QCOMPARE(MemberContribution::amount(text), amount);
}

QTEST_GUILESS_MAIN(TestEntryPosting)
#include "test_entry_posting.moc"
