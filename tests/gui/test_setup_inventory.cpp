#include "test_setup_fixture.h"

#include "gui/setup/depreciation_window.h"
#include "gui/setup/inventory_purchase_window.h"
#include "gui/widgets/balance_radio_group.h"

#include <QLabel>
#include <QRadioButton>

class TestSetupInventory : public QObject
{
    Q_OBJECT
private slots:
    void purchase_data();
    void purchase();
    void coupledGroups_data();
    void coupledGroups();
    void depreciation();
};

void TestSetupInventory::purchase_data()
{
    QTest::addColumn<int>("financialOption");
    QTest::addColumn<int>("financialAccount");
    QTest::addColumn<int>("inventoryOption");
    QTest::addColumn<int>("inventoryAccount");
    QTest::newRow("from bank 101 into 131") << 0 << 101 << 0 << 131;
    QTest::newRow("from cash 112 into 135") << 10 << 112 << 4 << 135;
    QTest::newRow("on account into 139") << 14 << 201 << 8 << 139;
}

void TestSetupInventory::purchase()
{
    QFETCH(int, financialOption);
    QFETCH(int, financialAccount);
    QFETCH(int, inventoryOption);
    QFETCH(int, inventoryAccount);

    SetupFixture fixture;
    auto* window = fixture.open<InventoryPurchaseWindow>("inventoryPurchaseButton");
    QVERIFY(window);
    auto* post = SetupFixture::find<ColourButton>(window, "SRColorButton1");
    QCOMPARE(window->financialGroup()->optionCaption(financialOption),
             fixture.naam(financialAccount));
    QCOMPARE(window->inventoryGroup()->optionCaption(inventoryOption),
             fixture.naam(inventoryAccount));

    const QDate date(2024, 3, 15);
    SetupFixture::find<QDateEdit>(window, "DateTimePicker1")->setDate(date);
    SetupFixture::typeText(window, "Edit1", QStringLiteral("beamer"));
    SetupFixture::typeAmount(window, "RxCalcEdit1", QStringLiteral("1200"));
    SetupFixture::choose(window->inventoryGroup()->option(inventoryOption));
    QVERIFY(!post->isEnabled());
    SetupFixture::choose(window->financialGroup()->option(financialOption));
    QVERIFY(post->isEnabled());
    SetupFixture::click(window, "SRColorButton1");

    QCOMPARE(fixture.saldo(financialAccount), -1200.0);
    QCOMPARE(fixture.saldo(inventoryAccount), 1200.0);
    QCOMPARE(fixture.saldo(130), 1200.0);
    const bool onAccount = financialAccount == 201;
    QCOMPARE(fixture.saldo(100), financialAccount < 110 ? -1200.0 : 0.0);
    QCOMPARE(fixture.saldo(110), financialAccount > 110 && !onAccount ? -1200.0 : 0.0);
    const QList<QVariantMap> journal = SetupFixture::records(fixture.data().journaaltabel);
    QCOMPARE(journal.size(), 1);
    QCOMPARE(journal[0]["Vanrekening"].toInt(), financialAccount);
    QCOMPARE(journal[0]["Naarrekening"].toInt(), inventoryAccount);
    const QList<QVariantMap> payables = SetupFixture::records(fixture.data().betalentabel);
    QCOMPARE(payables.size(), onAccount ? 1 : 0);
    if (onAccount) {
        QCOMPARE(payables[0]["Omschrijving"].toString(), QStringLiteral("beamer"));
        QCOMPARE(payables[0]["Bedrag"].toDouble(), 1200.0);
        QCOMPARE(QDate::fromString(payables[0]["Datum"].toString(), Qt::ISODate), date);
    }

    // Ready for the next purchase: amount, description and money source are asked afresh.
    QCOMPARE(SetupFixture::find<AmountEdit>(window, "RxCalcEdit1")->value(), 0.0);
    QVERIFY(SetupFixture::find<QLineEdit>(window, "Edit1")->text().isEmpty());
    QCOMPARE(window->financialGroup()->checkedOption(), -1);
    QCOMPARE(window->inventoryGroup()->checkedOption(), inventoryOption);
    QVERIFY(!post->isEnabled());
    QCOMPARE(window->lastNumberLabel()->text(), QStringLiteral("000001"));
    QCOMPARE(window->financialGroup()->balanceColour(financialOption), QColor(Qt::red));
    QCOMPARE(window->inventoryGroup()->balanceText(inventoryOption), QStringLiteral("1,200.00"));
}

void TestSetupInventory::coupledGroups_data()
{
    QTest::addColumn<bool>("clickDepreciation");
    QTest::addColumn<int>("option");
    QTest::newRow("NAAR AFSCHRIJVING moves VAN BALANS") << true << 6;
    QTest::newRow("VAN BALANS moves NAAR AFSCHRIJVING") << false << 3;
}

void TestSetupInventory::coupledGroups()
{
    QFETCH(bool, clickDepreciation);
    QFETCH(int, option);
    SetupFixture fixture;
    auto* window = fixture.open<DepreciationWindow>("depreciationButton");
    QVERIFY(window);
    QCOMPARE(window->inventoryGroup()->checkedOption(), 0);
    QCOMPARE(window->depreciationGroup()->checkedOption(), 0);
    BalanceRadioGroup* clicked =
        clickDepreciation ? window->depreciationGroup() : window->inventoryGroup();
    SetupFixture::choose(clicked->option(option));
    QCOMPARE(window->inventoryGroup()->checkedOption(), option);
    QCOMPARE(window->depreciationGroup()->checkedOption(), option);
}

void TestSetupInventory::depreciation()
{
    SetupFixture fixture;
    fixture.setBalance(133, 100.0);
    auto* window = fixture.open<DepreciationWindow>("depreciationButton");
    QVERIFY(window);
    SetupFixture::choose(window->depreciationGroup()->option(2));
    SetupFixture::typeAmount(window, "RxCalcEdit1", QStringLiteral("240"));
    SetupFixture::click(window, "SRColorButton1");

    // More than the inventory is worth is accepted and leaves 133 negative, shown red.
    QCOMPARE(fixture.saldo(133), -140.0);
    QCOMPARE(fixture.saldo(493), 240.0);
    QCOMPARE(fixture.saldo(130), -140.0);
    QCOMPARE(fixture.saldo(490), 240.0);
    const QList<QVariantMap> journal = SetupFixture::records(fixture.data().journaaltabel);
    QCOMPARE(journal.size(), 1);
    QCOMPARE(journal[0]["Vanrekening"].toInt(), 133);
    QCOMPARE(journal[0]["Naarrekening"].toInt(), 493);
    QCOMPARE(journal[0]["Omschrijving"].toString(), QStringLiteral("Afschrijvingen"));
    QCOMPARE(journal[0]["Bedrag"].toDouble(), 240.0);
    QCOMPARE(window->inventoryGroup()->balanceText(2), QStringLiteral("-140.00"));
    QCOMPARE(window->inventoryGroup()->balanceColour(2), QColor(Qt::red));
    QCOMPARE(window->depreciationGroup()->balanceText(2), QStringLiteral("240.00"));
    QCOMPARE(SetupFixture::find<QLineEdit>(window, "Edit1")->text(),
             QStringLiteral("Afschrijvingen"));
    QCOMPARE(SetupFixture::find<AmountEdit>(window, "RxCalcEdit1")->value(), 0.0);
    QCOMPARE(window->inventoryGroup()->checkedOption(), 2);
}

QTEST_MAIN(TestSetupInventory)
#include "test_setup_inventory.moc"
