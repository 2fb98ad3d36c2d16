#include "shell_fixture.h"

#include "gui/entry/cross_posting_window.h"
#include "gui/entry/entry_windows.h"
#include "gui/entry/open_item_grid.h"
#include "gui/entry/open_item_settling_window.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const QDate day(2024, 6, 3);

struct SettlingFixture : ShellFixture
{
    Page* window = nullptr;

    // Starts the program with open items already booked, then opens a window.
    bool open(const char* buttonName, const char* formName,
              const QList<std::pair<QString, double>>& payables = {},
              const QList<std::pair<QString, double>>& receivables = {})
    {
        if (!start())
            return false;
        for (const auto& [text, amount] : payables)
            if (!shell->ledger().AddPayable(text, day, amount))
                return false;
        for (const auto& [text, amount] : receivables)
            if (!shell->ledger().AddReceivable(text, day, amount))
                return false;
        EntryWindows::registerAll(*shell);
        auto* button = child<ColourButton>(QLatin1String(buttonName));
        if (!button || !button->isEnabled())
            return false;
        button->click();
        window = shell->page(QLatin1String(formName));
        if (!window || !window->isCurrentPage())
            return false;
        shell->frame().activateWindow();
        return QTest::qWaitForWindowActive(&shell->frame());
    }
    Ledger& ledger() { return shell->ledger(); }
    DataModule& data() { return shell->data(); }
    template <typename T> T* control(const char* name)
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    OpenItemGrid* grid() { return control<OpenItemGrid>("DBGrid1"); }
    AmountEdit* amount() { return control<AmountEdit>("RxCalcEdit1"); }
    ColourButton* postButton() { return control<ColourButton>("SRColorButton1"); }
    void clickItem(int row)
    {
        const QRect rect = grid()->visualRect(grid()->model()->index(row, 2));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void typeAmount(const QString& text)
    {
        amount()->setFocus();
        amount()->selectAll();
        QTest::keyClicks(amount(), text);
    }
    QList<double> amounts(Table& items)
    {
        QList<double> list;
        for (int row = 0; row < items.recordCount(); ++row)
            list << items.valueAt(row, items.schema().fieldIndex(QStringLiteral("Bedrag")))
                        .toDouble();
        return list;
    }
    QStringList marks(Table& items)
    {
        QStringList list;
        for (int row = 0; row < items.recordCount(); ++row)
            list << items.valueAt(row, items.schema().fieldIndex(QStringLiteral("Sel"))).toString();
        return list;
    }
};
} // namespace

class TestEntrySettlingAndCrossWindows : public QObject
{
    Q_OBJECT
private slots:
    void payingPayable_data();
    void payingPayable();
    void receivableToDifferencesAccount();
    void markingAndMerging_data();
    void markingAndMerging();
    void filterBoxesFilterAndClosingRemovesFilter();
    void ctrlDeleteAsksFirst_data();
    void ctrlDeleteAsksFirst();
    void crossPostingRules();
};

void TestEntrySettlingAndCrossWindows::payingPayable_data()
{
    QTest::addColumn<QString>("paid");
    QTest::addColumn<QList<double>>("left");
    QTest::newRow("in full") << "100.00" << QList<double>{};
    QTest::newRow("part") << "40.00" << QList<double>{60.0};
    QTest::newRow("too much") << "120.00" << QList<double>{-20.0};
}

void TestEntrySettlingAndCrossWindows::payingPayable()
{
    QFETCH(QString, paid);
    QFETCH(QList<double>, left);
    SettlingFixture fixture;
    QVERIFY(fixture.open("paymentsButton", "TForm10", {{"drukkerij", 100.0}}));
    QCOMPARE(fixture.window->caption(), QStringLiteral("Verwerken van nog te betalen rekeningen"));
    QCOMPARE(fixture.control<QLabel>("openItemBalance")->text(), QStringLiteral("0.00"));
    QVERIFY(!fixture.postButton()->isEnabled());

    fixture.clickItem(0);
    QCOMPARE(fixture.control<QLineEdit>("Edit1")->text(), QStringLiteral("drukkerij"));
    QCOMPARE(fixture.amount()->value(), 100.0);
    fixture.typeAmount(paid);
    fixture.control<BalanceRadioGroup>("RadioGroup1")->option(2)->click();
    QVERIFY(fixture.postButton()->isEnabled());
    fixture.postButton()->click();

    const double amount = paid.toDouble();
    QCOMPARE(fixture.amounts(fixture.data().betalentabel), left);
    QCOMPARE(fixture.ledger().balance(103), -amount);
    QCOMPARE(fixture.ledger().balance(100), -amount);
    QCOMPARE(fixture.ledger().balance(201), amount);
    Table& journal = fixture.data().journaaltabel;
    QVERIFY(journal.last());
    QCOMPARE(journal.asInteger("Vanrekening"), 103);
    QCOMPARE(journal.asInteger("Naarrekening"), 201);
    QCOMPARE(journal.asString("Omschrijving"), QStringLiteral("drukkerij"));
    QCOMPARE(fixture.control<QLabel>("lastNumberLabel")->text(), QStringLiteral("000001"));
    QCOMPARE(fixture.amount()->value(), 0.0);
    QCOMPARE(fixture.control<BalanceRadioGroup>("RadioGroup1")->checkedOption(), 2);
    QCOMPARE(AppState::DataChanged, 1);
}

void TestEntrySettlingAndCrossWindows::receivableToDifferencesAccount()
{
    SettlingFixture fixture;
    QVERIFY(fixture.open("receiptsButton", "TForm11", {}, {{"sponsor", 75.0}}));
    auto* options = fixture.control<BalanceRadioGroup>("RadioGroup1");
    QCOMPARE(options->checkedOption(), 0);
    fixture.clickItem(0);
    options->option(14)->click();
    fixture.postButton()->click();
    QCOMPARE(fixture.ledger().balance(211), -75.0);
    QCOMPARE(fixture.ledger().balance(901), 75.0);
    QCOMPARE(fixture.data().ontvangentabel.recordCount(), 0);
    QCOMPARE(options->balanceText(14), QStringLiteral("75.00"));
    // No item left under the filter: nothing to post.
    fixture.typeAmount(QStringLiteral("5"));
    QVERIFY(!fixture.postButton()->isEnabled());
}

void TestEntrySettlingAndCrossWindows::markingAndMerging_data()
{
    QTest::addColumn<QList<double>>("items");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QList<double>>("after");
    QTest::addColumn<QStringList>("marksAfter");
    QTest::newRow("one") << QList<double>{10, 20} << QList<int>{1} << QList<double>{10, 20}
                         << QStringList{"", "J"};
    QTest::newRow("two cancelling")
        << QList<double>{50, 7, -50} << QList<int>{0, 2} << QList<double>{7} << QStringList{""};
    QTest::newRow("three") << QList<double>{10, 20, 30} << QList<int>{0, 1, 2}
                           << QList<double>{30, 30} << QStringList{"N", "J"};
}

void TestEntrySettlingAndCrossWindows::markingAndMerging()
{
    QFETCH(QList<double>, items);
    QFETCH(QList<int>, marked);
    QFETCH(QList<double>, after);
    QFETCH(QStringList, marksAfter);
    QList<std::pair<QString, double>> open;
    for (int i = 0; i < items.size(); ++i)
        open.append({QStringLiteral("post %1").arg(i), items[i]});
    SettlingFixture fixture;
    QVERIFY(fixture.open("receiptsButton", "TForm11", {}, open));
    Table& table = fixture.data().ontvangentabel;
    for (int row : marked) {
        fixture.clickItem(row);
        // A new item has no mark: the first "S" gives "N", the second "J".
        QTest::keyClick(fixture.grid(), Qt::Key_S);
        QCOMPARE(table.asString("Sel"), QStringLiteral("N"));
        QTest::keyClick(fixture.grid(), Qt::Key_S, Qt::ShiftModifier);
        QCOMPARE(table.asString("Sel"), QStringLiteral("J"));
    }
    fixture.control<ColourButton>("SRColorButton6")->click();
    QCOMPARE(fixture.amounts(table), after);
    QCOMPARE(fixture.marks(table), marksAfter);
    QCOMPARE(fixture.control<QLineEdit>("Edit1")->text(), QString());
    QCOMPARE(fixture.amount()->value(), 0.0);
    QCOMPARE(fixture.data().journaaltabel.unfilteredCount(), 0);
}

void TestEntrySettlingAndCrossWindows::filterBoxesFilterAndClosingRemovesFilter()
{
    SettlingFixture fixture;
    QVERIFY(fixture.open("paymentsButton", "TForm10",
                         {{"huur zaal", 300.0}, {"drukwerk", 45.5}, {"Huur materiaal", 20.0}}));
    Table& table = fixture.data().betalentabel;
    QTest::keyClicks(fixture.control<QLineEdit>("Edit3"), QStringLiteral("HUUR"));
    QCOMPARE(table.recordCount(), 2);
    QTest::keyClicks(fixture.control<QLineEdit>("Edit4"), QStringLiteral("300"));
    QCOMPARE(table.recordCount(), 1);
    QTest::keyClicks(fixture.control<QLineEdit>("Edit2"), QStringLiteral("07-2024"));
    QCOMPARE(table.recordCount(), 0);
    fixture.typeAmount(QStringLiteral("5"));
    QVERIFY(!fixture.postButton()->isEnabled());

    fixture.control<ColourButton>("closeButton")->click();
    QVERIFY(fixture.mainWindow().isCurrentPage());
    QVERIFY(!table.isFiltered());
    QCOMPARE(table.filter(), QString());
    QCOMPARE(table.recordCount(), 3);
    QCOMPARE(fixture.control<QLineEdit>("Edit3")->text(), QString());
    QCOMPARE(fixture.amount()->value(), 0.0);
}

void TestEntrySettlingAndCrossWindows::ctrlDeleteAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("left");
    QTest::newRow("yes") << int(QMessageBox::Yes) << 1;
    QTest::newRow("no") << int(QMessageBox::No) << 2;
}

void TestEntrySettlingAndCrossWindows::ctrlDeleteAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(int, left);
    SettlingFixture fixture;
    QVERIFY(fixture.open("paymentsButton", "TForm10", {{"a", 1.0}, {"b", 2.0}}));
    fixture.clickItem(1);
    MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
    QTest::keyClick(fixture.grid(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(MessageBox::pendingAnswers(), 0);
    QCOMPARE(fixture.data().betalentabel.recordCount(), left);
    QCOMPARE(fixture.data().journaaltabel.unfilteredCount(), 0);
}

void TestEntrySettlingAndCrossWindows::crossPostingRules()
{
    SettlingFixture fixture;
    QVERIFY(fixture.open("crossPostingsButton", "TForm9"));
    auto* from = fixture.control<BalanceRadioGroup>("RadioGroup1");
    auto* to = fixture.control<BalanceRadioGroup>("RadioGroup2");
    auto* description = fixture.control<QLineEdit>("Edit1");
    QCOMPARE(description->text(), QStringLiteral("kruispost"));
    QCOMPARE(from->checkedOption(), 0);
    QCOMPARE(to->checkedOption(), -1);

    // The same account on both sides never posts.
    fixture.typeAmount(QStringLiteral("250"));
    from->option(9)->click();
    to->option(9)->click();
    QVERIFY(!fixture.postButton()->isEnabled());
    to->option(0)->click();
    QVERIFY(fixture.postButton()->isEnabled());
    fixture.postButton()->click();
    QCOMPARE(fixture.ledger().balance(111), -250.0);
    QCOMPARE(fixture.ledger().balance(110), -250.0);
    QCOMPARE(fixture.ledger().balance(101), 250.0);
    QCOMPARE(fixture.ledger().balance(100), 250.0);
    QCOMPARE(to->checkedOption(), -1);
    QCOMPARE(from->checkedOption(), 9);
    QCOMPARE(description->text(), QStringLiteral("kruispost"));
    QCOMPARE(from->balanceText(0), QStringLiteral("250.00"));
    QCOMPARE(to->balanceColour(9), QColor(Qt::red));

    // A negative amount reverses the direction; every post needs a new "to" choice.
    fixture.typeAmount(QStringLiteral("-10"));
    QVERIFY(!fixture.postButton()->isEnabled());
    to->option(14)->click();
    fixture.postButton()->click();
    QCOMPARE(fixture.ledger().balance(111), -240.0);
    QCOMPARE(fixture.ledger().balance(901), -10.0);
    QCOMPARE(fixture.data().journaaltabel.unfilteredCount(), 2);
}

QTEST_MAIN(TestEntrySettlingAndCrossWindows)
#include "test_entry_settling_and_cross_windows.moc"
