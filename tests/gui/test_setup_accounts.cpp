#include "test_setup_fixture.h"

#include "core/ledger/chart_of_accounts.h"
#include "gui/setup/account_descriptions_window.h"
#include "gui/setup/account_grid_model.h"
#include "report/definitions/account_list_report.h"
#include "report/report_document.h"

#include <QCheckBox>
#include <QFile>
#include <QTableView>

namespace {
int rowOf(const AccountGridModel& model, int account)
{
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.data(model.index(row, 0), Qt::EditRole).toInt() == account)
            return row;
    return -1;
}

void selectAccount(AccountDescriptionsWindow& window, int account)
{
    QTableView* grid = window.grid();
    const QModelIndex index = window.gridModel()->index(rowOf(*window.gridModel(), account), 1);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

OptionsRecord optionsOnDisk(SetupFixture& fixture)
{
    QFile file(fixture.settings->DataDirectory() + QLatin1Char('/') +
               QLatin1String(OptionsRecord::FileName));
    return file.open(QIODevice::ReadOnly) ? OptionsRecord::fromBytes(file.readAll())
                                          : OptionsRecord();
}
} // namespace

class TestSetupAccounts : public QObject
{
    Q_OBJECT
private slots:
    void rowColours_data();
    void rowColours();
    void selectedRowIsYellow();
    void typedNameIsKept_data();
    void typedNameIsKept();
    void combinedGroupIsWrittenOnClose();
    void everyGroupTotalIsRecomputedOnShow();
    void printedListHoldsEveryAccount();
};

void TestSetupAccounts::rowColours_data()
{
    QTest::addColumn<int>("account");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("201 pink") << 201 << QColor(255, 217, 217);
    QTest::newRow("211 green") << 211 << QColor(157, 255, 157);
    QTest::newRow("400 white") << 400 << QColor(Qt::white);
    QTest::newRow("700 white") << 700 << QColor(Qt::white);
    QTest::newRow("100 white") << 100 << QColor(Qt::white);
    QTest::newRow("70 equity") << 70 << QColor(254, 255, 240);
    QTest::newRow("101 asset") << 101 << QColor(254, 255, 240);
    QTest::newRow("455 expense") << 455 << QColor(255, 244, 244);
    QTest::newRow("701 income") << 701 << QColor(232, 255, 232);
    QTest::newRow("901 own background") << 901 << QColor();
}

void TestSetupAccounts::rowColours()
{
    QFETCH(int, account);
    QFETCH(QColor, colour);
    SetupFixture fixture;
    // Balances must not matter.
    fixture.setBalance(201, 123.0);
    fixture.setBalance(211, -45.0);
    auto* window = fixture.open<AccountDescriptionsWindow>("accountsButton");
    QVERIFY(window);
    AccountGridModel* model = window->gridModel();
    const int row = rowOf(*model, account);
    QVERIFY(row >= 0);
    for (int column = 0; column < model->columnCount(); ++column)
        QCOMPARE(model->data(model->index(row, column), Qt::BackgroundRole).value<QColor>(),
                 colour);
}

void TestSetupAccounts::selectedRowIsYellow()
{
    SetupFixture fixture;
    auto* window = fixture.open<AccountDescriptionsWindow>("accountsButton");
    QVERIFY(window);
    selectAccount(*window, 201);
    QCOMPARE(fixture.data().rekeningtabel.asInteger(QStringLiteral("Nummer")), 201);
    QTableView* grid = window->grid();
    const int row = rowOf(*window->gridModel(), 201);
    const QRect cell = grid->visualRect(window->gridModel()->index(row, 1));
    const QImage image = grid->viewport()->grab().toImage();
    // Right of the name, where only the row's background shows.
    QCOMPARE(image.pixelColor(cell.right() - 3, cell.center().y()), QColor(Qt::yellow));
    const QRect other = grid->visualRect(window->gridModel()->index(row + 1, 1));
    QCOMPARE(
        image.pixelColor(other.right() - 3, other.center().y()),
        AccountGridModel::rowColour(window->gridModel()
                                        ->data(window->gridModel()->index(row + 1, 0), Qt::EditRole)
                                        .toInt()));
}

void TestSetupAccounts::typedNameIsKept_data()
{
    QTest::addColumn<QString>("leaveBy");
    QTest::newRow("closing the window") << "closeButton";
    QTest::newRow("next account on the navigator") << "navigatorNext";
    QTest::newRow("printing") << "SRColorButton1";
}

void TestSetupAccounts::typedNameIsKept()
{
    QFETCH(QString, leaveBy);
    SetupFixture fixture;
    auto* window = fixture.open<AccountDescriptionsWindow>("accountsButton");
    QVERIFY(window);
    selectAccount(*window, 102);
    auto* name = SetupFixture::find<QLineEdit>(window, "DBEdit1");
    QCOMPARE(name->text(), fixture.naam(102));
    // Longer than the field: the box takes its 40 characters and no more.
    SetupFixture::typeText(window, "DBEdit1",
                           QStringLiteral("Rabobank spaarrekening voor het jubileumfeest 2030"));
    SetupFixture::choose(SetupFixture::find<QCheckBox>(window, "DBCheckBox1"));
    // The main window would post it too when it shows again: look before it does.
    Table::State stateOnLeaving = Table::State::Edit;
    const auto seeState = [&] { stateOnLeaving = fixture.data().rekeningtabel.state(); };
    connect(window, &Page::pageClosed, seeState);
    QTest::mouseClick(window->findChild<QAbstractButton*>(leaveBy), Qt::LeftButton);
    if (leaveBy != QLatin1String("closeButton"))
        seeState();

    QCOMPARE(stateOnLeaving, Table::State::Browse);
    const AccountEntry account = AccountBook::read(fixture.data()).entry(102);
    QCOMPARE(account.Naam, QStringLiteral("Rabobank spaarrekening voor het jubileum"));
    QVERIFY(account.Altijdtonen);
    if (leaveBy == QLatin1String("navigatorNext")) {
        QCOMPARE(name->text(), fixture.naam(103));
        QVERIFY(!SetupFixture::find<QCheckBox>(window, "DBCheckBox1")->isChecked());
    }
}

void TestSetupAccounts::combinedGroupIsWrittenOnClose()
{
    SetupFixture fixture;
    fixture.setBalance(441, 10.0);
    fixture.setBalance(451, 5.0);
    auto* window = fixture.open<AccountDescriptionsWindow>("accountsButton");
    QVERIFY(window);
    auto* box = SetupFixture::find<QCheckBox>(window, "CheckBox1");
    QVERIFY(!box->isChecked());
    for (const bool combined : {true, false}) {
        SetupFixture::choose(box);
        SetupFixture::click(window, "closeButton");
        QCOMPARE(optionsOnDisk(fixture).CombinedGroup440, combined);
        // The setting takes effect at the next showing.
        QCOMPARE(fixture.open<AccountDescriptionsWindow>("accountsButton"), window);
        QCOMPARE(box->isChecked(), combined);
        QCOMPARE(fixture.saldo(440), combined ? 15.0 : 10.0);
        QCOMPARE(fixture.saldo(450), combined ? 0.0 : 5.0);
    }
}

void TestSetupAccounts::everyGroupTotalIsRecomputedOnShow()
{
    SetupFixture fixture;
    QHash<int, double> expected;
    for (int total : ChartOfAccounts::TotalAccounts()) {
        const QList<int> members = ChartOfAccounts::groupOf(total, false);
        if (members.isEmpty())
            continue;
        fixture.setBalance(members.first(), total / 10.0);
        fixture.setBalance(members.last(), 1.0);
        fixture.setBalance(total, -999.0);
        expected[total] = total / 10.0 + (members.size() > 1 ? 1.0 : 0.0);
    }
    QVERIFY(fixture.open<AccountDescriptionsWindow>("accountsButton"));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(fixture.saldo(it.key()), it.value());
}

void TestSetupAccounts::printedListHoldsEveryAccount()
{
    SetupFixture fixture;
    fixture.settings->setAssociationName(QStringLiteral("Harmonie Excelsior"));
    fixture.setBalance(101, 1234.5);
    std::shared_ptr<const ReportDocument> printed;
    BandedReport::setPreviewPresenter(
        [&printed](BandedReport&, std::shared_ptr<const ReportDocument> document) {
            printed = std::move(document);
        });
    auto* window = fixture.open<AccountDescriptionsWindow>("accountsButton");
    QVERIFY(window);
    SetupFixture::click(window, "SRColorButton1");
    BandedReport::setPreviewPresenter(nullptr);
    QVERIFY(printed);

    QStringList texts;
    for (const ReportPage& page : printed->pages())
        texts << page.textsInReadingOrder();
    const QString all = texts.join(QLatin1Char('\n'));
    QVERIFY(all.contains(QStringLiteral("Rekeningoverzicht van")));
    QVERIFY(all.contains(QStringLiteral("Harmonie Excelsior")));
    QVERIFY(texts.contains(QStringLiteral("Huidig Saldo")));
    QVERIFY(texts.contains(QStringLiteral("1,234.50")));
    QVERIFY(texts.contains(QStringLiteral("Blad :")));
    // Totals and zero balances print too, whatever their Altijdtonen says.
    const QList<int> chart = ChartOfAccounts::allAccounts();
    for (int account : chart)
        QVERIFY2(texts.contains(QString::number(account)), qPrintable(QString::number(account)));
    QVERIFY(texts.contains(fixture.naam(450)));
    QVERIFY(texts.count(QStringLiteral("0.00")) >= chart.size() - 3);

    // Stripes: white, lavender, white ... starting white.
    QList<QColor> stripes;
    for (const ReportPage& page : printed->pages())
        for (const PageItem* item : page.itemsOfKind(PageItemKind::Rectangle)) {
            const QColor background = printed->style(item->style).background;
            if (background == QColor(Qt::white) || background == AccountListReport::stripeColour())
                stripes << background;
        }
    QCOMPARE(stripes.size(), chart.size());
    for (int row = 0; row < stripes.size(); ++row)
        QCOMPARE(stripes[row],
                 row % 2 == 0 ? QColor(Qt::white) : AccountListReport::stripeColour());
}

QTEST_MAIN(TestSetupAccounts)
#include "test_setup_accounts.moc"
