#include "test_setup_fixture.h"

#include "core/app/app_state.h"
#include "gui/app/processed_notice.h"
#include "gui/setup/opening_balance_window.h"
#include "gui/widgets/balance_radio_group.h"

#include <QLabel>
#include <QRadioButton>

class TestSetupOpeningBalance : public QObject
{
    Q_OBJECT
private slots:
    void financialAccount_data();
    void financialAccount();
    void openItem_data();
    void openItem();
};

void TestSetupOpeningBalance::financialAccount_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("account");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("amount");
    QTest::newRow("bank 101") << 0 << 101 << 100 << "1000" << 1000.0;
    QTest::newRow("kas 115") << 13 << 115 << 110 << "12.50" << 12.5;
    QTest::newRow("inventaris 139") << 22 << 139 << 130 << "1,250.75" << 1250.75;
}

void TestSetupOpeningBalance::financialAccount()
{
    QFETCH(int, option);
    QFETCH(int, account);
    QFETCH(int, total);
    QFETCH(QString, typed);
    QFETCH(double, amount);

    SetupFixture fixture;
    auto* window = fixture.open<OpeningBalanceWindow>("openingBalanceButton");
    QVERIFY(window);
    QCOMPARE(window->caption(), QStringLiteral("Invoer start balans"));
    auto* post = SetupFixture::find<ColourButton>(window, "SRColorButton2");
    BalanceRadioGroup* group = window->financialGroup();
    QCOMPARE(group->checkedOption(), 0);
    QCOMPARE(group->optionCaption(option), fixture.naam(account));
    QVERIFY(!post->isEnabled());

    const QDate date(2024, 1, 1);
    SetupFixture::find<QDateEdit>(window, "DateTimePicker1")->setDate(date);
    SetupFixture::choose(group->option(option));
    SetupFixture::typeAmount(window, "RxCalcEdit1", typed);
    QVERIFY(post->isEnabled());
    const int dataChanged = AppState::DataChanged;
    SetupFixture::click(window, "SRColorButton2");
    // Filling the opening balance is no change to offer a backup for.
    QCOMPARE(AppState::DataChanged, dataChanged);

    QCOMPARE(fixture.saldo(account), amount);
    QCOMPARE(fixture.saldo(70), -amount);
    QCOMPARE(fixture.saldo(total), amount);
    const QList<QVariantMap> journal = SetupFixture::records(fixture.data().journaaltabel);
    QCOMPARE(journal.size(), 1);
    QCOMPARE(journal[0]["Vanrekening"].toInt(), 70);
    QCOMPARE(journal[0]["Naarrekening"].toInt(), account);
    QCOMPARE(journal[0]["Omschrijving"].toString(), QStringLiteral("Beginbalans"));
    QCOMPARE(journal[0]["Bedrag"].toDouble(), amount);
    QCOMPARE(QDate::fromString(journal[0]["Datum"].toString(), Qt::ISODate), date);

    // The amount is emptied for the next entry; date, description and choice stay.
    QCOMPARE(SetupFixture::find<AmountEdit>(window, "RxCalcEdit1")->value(), 0.0);
    QVERIFY(!post->isEnabled());
    QCOMPARE(SetupFixture::find<QLineEdit>(window, "Edit1")->text(), QStringLiteral("Beginbalans"));
    QCOMPARE(group->checkedOption(), option);
    QCOMPARE(window->lastNumberLabel()->text(), QStringLiteral("000001"));
    QCOMPARE(group->balanceText(option), AmountFormat::format(amount));
    QCOMPARE(group->balanceColour(option), QColor(170, 170, 170));
    QCOMPARE(SetupFixture::find<QLabel>(window, "equityBalance1")->text(),
             AmountFormat::format(-amount));
    QCOMPARE(SetupFixture::find<QLabel>(window, "equityBalance2")->text(),
             AmountFormat::format(-amount));
    QVERIFY(fixture.shell->find<ProcessedNotice>("TForm12")->isTimerActive());
    QVERIFY(fixture.ledger().ComputeLedgerTotals());
    QVERIFY(fixture.ledger().LedgerInBalance);
}

void TestSetupOpeningBalance::openItem_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("account");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("openItems");
    QTest::newRow("payable 50.00") << 0 << 201 << 50.0 << "tebetalen";
    QTest::newRow("receivable 75.00") << 1 << 211 << 75.0 << "teontvangen";
}

void TestSetupOpeningBalance::openItem()
{
    QFETCH(int, option);
    QFETCH(int, account);
    QFETCH(double, amount);
    QFETCH(QString, openItems);

    SetupFixture fixture;
    auto* window = fixture.open<OpeningBalanceWindow>("openingBalanceButton");
    QVERIFY(window);
    const QDate date(2024, 1, 2);
    SetupFixture::find<QDateEdit>(window, "DateTimePicker2")->setDate(date);
    SetupFixture::typeText(window, "Edit2", QStringLiteral("rekening drukker"));
    SetupFixture::choose(window->openItemGroup()->option(option));
    SetupFixture::typeAmount(window, "RxCalcEdit2", QString::number(amount));
    SetupFixture::click(window, "SRColorButton1");

    // A payable is money owed: 201 goes down and equity up; a receivable the other way.
    const double sign = account == 201 ? -1.0 : 1.0;
    QCOMPARE(fixture.saldo(account), sign * amount);
    QCOMPARE(fixture.saldo(70), -sign * amount);
    Table& table = openItems == QLatin1String("tebetalen") ? fixture.data().betalentabel
                                                           : fixture.data().ontvangentabel;
    Table& other = &table == &fixture.data().betalentabel ? fixture.data().ontvangentabel
                                                          : fixture.data().betalentabel;
    const QList<QVariantMap> items = SetupFixture::records(table);
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0]["Omschrijving"].toString(), QStringLiteral("rekening drukker"));
    QCOMPARE(items[0]["Bedrag"].toDouble(), amount);
    QCOMPARE(QDate::fromString(items[0]["Datum"].toString(), Qt::ISODate), date);
    QCOMPARE(other.recordCount(), 0);
    QCOMPARE(window->openItemGroup()->balanceText(option), AmountFormat::format(sign * amount));
    QCOMPARE(window->lastNumberLabel()->text(), QStringLiteral("000001"));
    QCOMPARE(SetupFixture::find<AmountEdit>(window, "RxCalcEdit2")->value(), 0.0);
    QVERIFY(fixture.ledger().ComputeLedgerTotals());
    QVERIFY(fixture.ledger().LedgerInBalance);
}

QTEST_MAIN(TestSetupOpeningBalance)
#include "test_setup_opening_balance.moc"
