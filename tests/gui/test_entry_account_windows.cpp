#include "shell_fixture.h"

#include "core/entry/description_memory.h"
#include "gui/app/processed_notice.h"
#include "gui/entry/entry_windows.h"
#include "gui/entry/expense_entry_window.h"
#include "gui/entry/income_entry_window.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"
#include "gui/widgets/separator_check_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const QDate day(2024, 5, 17);

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The started program with the entry windows, one of them opened from the main window.
struct EntryFixture : ShellFixture
{
    AccountEntryWindow* window = nullptr;

    bool open(const char* buttonName, const char* formName)
    {
        if (!start())
            return false;
        EntryWindows::registerAll(*shell);
        auto* button = child<ColourButton>(QLatin1String(buttonName));
        if (!button || !button->isEnabled())
            return false;
        button->click();
        window = shell->find<AccountEntryWindow>(QLatin1String(formName));
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
    SeparatorCheckList* list() { return control<SeparatorCheckList>("RxCheckListBox1"); }
    BalanceRadioGroup* financial() { return control<BalanceRadioGroup>("RadioGroup3"); }
    AmountEdit* amount() { return control<AmountEdit>("RxCalcEdit2"); }
    QLineEdit* description() { return control<QLineEdit>("Edit2"); }
    ColourButton* postButton() { return control<ColourButton>("SRColorButton1"); }

    void clickRow(int row)
    {
        SeparatorCheckList* l = list();
        const QRect rect = l->visualRect(l->model()->index(row, SeparatorCheckList::NameColumn));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void typeAmount(const QString& text)
    {
        amount()->setFocus();
        amount()->selectAll();
        QTest::keyClicks(amount(), text);
    }
    void typeDescription(const QString& text)
    {
        description()->setFocus();
        description()->selectAll();
        QTest::keyClicks(description(), text);
        // Delete drops a completed tail that is not wanted.
        if (description()->hasSelectedText())
            QTest::keyClick(description(), Qt::Key_Delete);
    }
    // Leaves the description box, as a click elsewhere does.
    void leaveDescription() { amount()->setFocus(); }
    void enter(const QString& text, const QString& amountText, int row, int option)
    {
        control<QDateEdit>("DateTimePicker2")->setDate(day);
        typeDescription(text);
        leaveDescription();
        typeAmount(amountText);
        clickRow(row);
        if (option >= 0)
            financial()->option(option)->click();
    }
    int journalLines() { return data().journaaltabel.unfilteredCount(); }
};
} // namespace

class TestEntryAccountWindows : public QObject
{
    Q_OBJECT
private slots:
    void postButtonNeedsAmountAccountRowAndFinancialChoice_data();
    void postButtonNeedsAmountAccountRowAndFinancialChoice();
    void incomePostingBooksShowsAndResets();
    void negativeIncomeToReceivablesCreatesOpenItem();
    void expenseToPayablesCreatesOpenItem();
    void combinedGroup440ShowsTotalOnRow35_data();
    void combinedGroup440ShowsTotalOnRow35();
    void descriptionFileCreatedOnFirstShowAndWrittenOnClose();
    void descriptionsCompleteAndStaySeparatePerWindow();
    void memberPickFillsDescriptionAndContribution();
};

void TestEntryAccountWindows::postButtonNeedsAmountAccountRowAndFinancialChoice_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("enabled");
    for (const auto& [button, form] :
         {std::pair{"incomeButton", "TForm8"}, std::pair{"expensesButton", "TForm15"}}) {
        const QString tag = QLatin1String(form);
        QTest::addRow("%s all three", form) << button << tag << "12.50" << 1 << 0 << true;
        QTest::addRow("%s amount 0", form) << button << tag << "0.00" << 1 << 0 << false;
        QTest::addRow("%s separator row", form) << button << tag << "12.50" << 11 << 0 << false;
        QTest::addRow("%s last separator", form) << button << tag << "12.50" << 39 << 3 << false;
        QTest::addRow("%s no financial choice", form)
            << button << tag << "12.50" << 1 << -1 << false;
    }
}

void TestEntryAccountWindows::postButtonNeedsAmountAccountRowAndFinancialChoice()
{
    QFETCH(QString, button);
    QFETCH(QString, form);
    QFETCH(QString, amount);
    QFETCH(int, row);
    QFETCH(int, option);
    QFETCH(bool, enabled);
    EntryFixture fixture;
    QVERIFY(fixture.open(qPrintable(button), qPrintable(form)));
    QVERIFY(!fixture.postButton()->isEnabled());
    fixture.enter(QStringLiteral("proef"), amount, row, option);
    QCOMPARE(fixture.postButton()->isEnabled(), enabled);
    // A separator row looks selected but is never checked.
    QCOMPARE(fixture.list()->selectedRow(), row);
    QCOMPARE(fixture.list()->checkedRow() == row, fixture.window->layout().isMemberRow(row));

    fixture.window->post();
    QCOMPARE(fixture.journalLines(), enabled ? 1 : 0);
    if (enabled) {
        // Clearing the amount after the button lit up puts it out again.
        fixture.financial()->option(0)->click();
        fixture.typeAmount(QStringLiteral("3"));
        QVERIFY(fixture.postButton()->isEnabled());
        fixture.amount()->selectAll();
        QTest::keyClick(fixture.amount(), Qt::Key_Backspace);
        QVERIFY(!fixture.postButton()->isEnabled());
    }
}

void TestEntryAccountWindows::incomePostingBooksShowsAndResets()
{
    EntryFixture fixture;
    QVERIFY(fixture.open("incomeButton", "TForm8"));
    QCOMPARE(fixture.window->caption(), QStringLiteral("Verwerken inkomsten"));
    QCOMPARE(fixture.list()->rowText(6), fixture.data().rekeningtabel.findNearest(711)
                                             ? fixture.data().rekeningtabel.asString("Naam")
                                             : QString());
    fixture.enter(QStringLiteral("contributie"), QStringLiteral("1,234.5"), 7, 10);
    QVERIFY(fixture.postButton()->isEnabled());
    QTest::mouseClick(fixture.postButton(), Qt::LeftButton);

    QCOMPARE(fixture.journalLines(), 1);
    Table& journal = fixture.data().journaaltabel;
    QVERIFY(journal.last());
    QCOMPARE(journal.asInteger("Vanrekening"), 712);
    QCOMPARE(journal.asInteger("Naarrekening"), 112);
    QCOMPARE(journal.asFloat("Bedrag"), 1234.5);
    QCOMPARE(journal.asString("Omschrijving"), QStringLiteral("contributie"));
    QCOMPARE(journal.asDate("Datum"), day);
    QCOMPARE(fixture.ledger().balance(712), -1234.5);
    QCOMPARE(fixture.ledger().balance(710), -1234.5);
    QCOMPARE(fixture.ledger().balance(112), 1234.5);
    QCOMPARE(fixture.ledger().balance(110), 1234.5);
    QCOMPARE(AppState::DataChanged, 1);

    // Income shows as a positive figure, the group total on the separator row under a rule.
    QCOMPARE(fixture.list()->balanceText(7), QStringLiteral("1,234.50"));
    QCOMPARE(fixture.list()->balanceColour(7), QColor(170, 170, 170));
    QCOMPARE(fixture.list()->totalText(11), QStringLiteral("1,234.50"));
    QVERIFY(fixture.list()->showsRule(11));
    QCOMPARE(fixture.financial()->balanceText(10), QStringLiteral("1,234.50"));

    QCOMPARE(fixture.amount()->value(), 0.0);
    QCOMPARE(fixture.description()->text(), QString());
    QCOMPARE(fixture.control<QLabel>("lastNumberLabel")->text(), QStringLiteral("000001"));
    QCOMPARE(fixture.list()->checkedRow(), 7);
    QCOMPARE(fixture.list()->selectedRow(), 7);
    QCOMPARE(fixture.financial()->checkedOption(), -1);
    QVERIFY(!fixture.postButton()->isEnabled());
    auto* notice = fixture.shell->find<ProcessedNotice>(QStringLiteral("TForm12"));
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(notice->pos(), fixture.window->mapToGlobal(QPoint(300, 300)));

    // The next posting to the same account needs only an amount and a financial choice.
    fixture.typeAmount(QStringLiteral("5"));
    fixture.financial()->option(0)->click();
    QVERIFY(fixture.postButton()->isEnabled());
}

void TestEntryAccountWindows::negativeIncomeToReceivablesCreatesOpenItem()
{
    EntryFixture fixture;
    QVERIFY(fixture.open("incomeButton", "TForm8"));
    QCOMPARE(fixture.financial()->optionCaption(14),
             fixture.data().rekeningtabel.findNearest(211)
                 ? fixture.data().rekeningtabel.asString("Naam")
                 : QString());
    fixture.enter(QStringLiteral("retour sponsor"), QStringLiteral("-40.00"), 0, 14);
    fixture.postButton()->click();

    QCOMPARE(fixture.ledger().balance(701), 40.0);
    QCOMPARE(fixture.ledger().balance(211), -40.0);
    Table& items = fixture.data().ontvangentabel;
    QCOMPARE(items.recordCount(), 1);
    QVERIFY(items.first());
    QCOMPARE(items.asString("Omschrijving"), QStringLiteral("retour sponsor"));
    QCOMPARE(items.asFloat("Bedrag"), -40.0);
    QCOMPARE(items.asDate("Datum"), day);
    QCOMPARE(fixture.list()->balanceText(0), QStringLiteral("-40.00"));
    QCOMPARE(fixture.list()->balanceColour(0), QColor(Qt::red));
    QCOMPARE(fixture.financial()->balanceColour(14), QColor(Qt::red));
}

void TestEntryAccountWindows::expenseToPayablesCreatesOpenItem()
{
    EntryFixture fixture;
    QVERIFY(fixture.open("expensesButton", "TForm15"));
    fixture.enter(QStringLiteral("drukwerk"), QStringLiteral("80"), 36, 14);
    fixture.postButton()->click();

    QCOMPARE(fixture.ledger().balance(201), -80.0);
    QCOMPARE(fixture.ledger().balance(461), 80.0);
    QCOMPARE(fixture.ledger().balance(460), 80.0);
    QCOMPARE(fixture.data().betalentabel.recordCount(), 1);
    QCOMPARE(fixture.list()->balanceText(36), QStringLiteral("80.00"));
    QCOMPARE(fixture.list()->totalText(39), QStringLiteral("80.00"));
}

void TestEntryAccountWindows::combinedGroup440ShowsTotalOnRow35_data()
{
    QTest::addColumn<bool>("combined");
    QTest::addColumn<QString>("row29");
    QTest::addColumn<QString>("row35");
    QTest::newRow("combined") << true << ""
                              << "65.00";
    QTest::newRow("separate") << false << "15.00"
                              << "50.00";
}

void TestEntryAccountWindows::combinedGroup440ShowsTotalOnRow35()
{
    QFETCH(bool, combined);
    QFETCH(QString, row29);
    QFETCH(QString, row35);
    EntryFixture fixture;
    QVERIFY(fixture.start());
    fixture.settings->options().CombinedGroup440 = combined;
    QVERIFY(fixture.settings->writeOptions());
    QVERIFY(fixture.ledger().PostJournalEntry(101, 443, QString(), day, 15.0));
    fixture.shell.reset();
    QVERIFY(fixture.open("expensesButton", "TForm15"));
    QCOMPARE(fixture.settings->options().CombinedGroup440, combined);

    fixture.enter(QStringLiteral("zaalhuur"), QStringLiteral("50"), 31, 0);
    fixture.postButton()->click();
    QCOMPARE(fixture.ledger().balance(452), 50.0);
    QCOMPARE(fixture.ledger().balance(440), combined ? 65.0 : 15.0);
    QCOMPARE(fixture.ledger().balance(450), combined ? 0.0 : 50.0);
    QCOMPARE(fixture.list()->totalText(29), row29);
    QCOMPARE(fixture.list()->showsRule(29), !combined);
    QCOMPARE(fixture.list()->totalText(35), row35);
}

void TestEntryAccountWindows::descriptionFileCreatedOnFirstShowAndWrittenOnClose()
{
    EntryFixture fixture;
    QVERIFY(fixture.open("incomeButton", "TForm8"));
    const QString path = fixture.window->descriptionFile();
    QCOMPARE(path, fixture.drive() + QStringLiteral("/fondirex/getypt1.dat"));
    QCOMPARE(fileBytes(path), QByteArray(930, '\0'));

    fixture.typeDescription(QStringLiteral("collecte"));
    fixture.leaveDescription();
    // Leaving through a shortcut hides the window without saving.
    fixture.control<ColourButton>("expensesShortcut")->click();
    QVERIFY(fixture.shell->page(QStringLiteral("TForm15"))->isCurrentPage());
    QCOMPARE(fileBytes(path), QByteArray(930, '\0'));
    fixture.shell->page(QStringLiteral("TForm15"))->closePage();
    QVERIFY(fixture.mainWindow().isCurrentPage());

    fixture.child<ColourButton>(QStringLiteral("incomeButton"))->click();
    fixture.window->closePage();
    QByteArray expected(930, '\0');
    expected[0] = 8;
    expected.replace(1, 8, "collecte");
    QCOMPARE(fileBytes(path), expected);
}

void TestEntryAccountWindows::descriptionsCompleteAndStaySeparatePerWindow()
{
    EntryFixture fixture;
    QVERIFY(fixture.open("incomeButton", "TForm8"));
    const QStringList texts{"Contributie januari", "a", "b", "c", "Contributie", "d", "e", "f"};
    for (const QString& text : texts) {
        fixture.typeDescription(text);
        fixture.leaveDescription();
    }
    const DescriptionMemory& memory = fixture.window->descriptionMemory();
    QCOMPARE(memory.entry(3), QStringLiteral("Contributie"));
    QCOMPARE(memory.entry(7), QStringLiteral("Contributie januari"));

    // Entries 3 and 7 both begin with "Con": the first in entry order wins.
    fixture.description()->clear();
    QTest::keyClicks(fixture.description(), QStringLiteral("Con"));
    QCOMPARE(fixture.description()->text(), QStringLiteral("Contributie"));
    QCOMPARE(fixture.description()->selectionStart(), 3);
    QCOMPARE(fixture.description()->selectedText(), QStringLiteral("tributie"));
    // Typing on replaces the completed tail, and completes again.
    QTest::keyClicks(fixture.description(), QStringLiteral("tributie "));
    QCOMPARE(fixture.description()->text(), QStringLiteral("Contributie januari"));
    QCOMPARE(fixture.description()->selectedText(), QStringLiteral("januari"));
    QTest::keyClick(fixture.description(), Qt::Key_Backspace);
    QCOMPARE(fixture.description()->text(), QStringLiteral("Contributie "));

    // 23 more distinct texts make 31: the oldest, entry 7's text, falls out.
    for (int i = 0; i < 23; ++i) {
        fixture.typeDescription(QStringLiteral("%1 x").arg(i));
        fixture.leaveDescription();
    }
    QCOMPARE(memory.entry(29), QStringLiteral("a"));
    QVERIFY(!memory.entries().contains(QStringLiteral("Contributie januari")));

    fixture.control<ColourButton>("expensesShortcut")->click();
    auto* expenses = fixture.shell->find<AccountEntryWindow>(QStringLiteral("TForm15"));
    QVERIFY(expenses->isCurrentPage());
    auto* expenseDescription = expenses->findChild<QLineEdit*>(QStringLiteral("Edit2"));
    expenseDescription->setFocus();
    QTest::keyClicks(expenseDescription, QStringLiteral("Con"));
    QCOMPARE(expenseDescription->text(), QStringLiteral("Con"));
}

void TestEntryAccountWindows::memberPickFillsDescriptionAndContribution()
{
    EntryFixture fixture;
    QVERIFY(fixture.start());
    Table& members = fixture.data().ledentabel; // of this first shell only
    for (const auto& [name, contribution] :
         {std::pair{"Jansen", "45,00"}, std::pair{"Bakker", "12.5"}}) {
        QVERIFY(members.append());
        QVERIFY(members.setValue("Naam", QString::fromLatin1(name)));
        QVERIFY(members.setValue("Contributie", QString::fromLatin1(contribution)));
        QVERIFY(members.post());
    }
    fixture.shell.reset();
    QVERIFY(fixture.open("incomeButton", "TForm8"));
    auto* toggle = fixture.control<ColourButton>("SRColorButton6");
    auto* box = fixture.control<QComboBox>("RxDBLookupCombo1");
    QCOMPARE(toggle->text(), QStringLiteral("Leden keuze AAN"));
    QVERIFY(box->isHidden());
    toggle->click();
    QCOMPARE(toggle->text(), QStringLiteral("Leden keuze UIT"));
    QCOMPARE(toggle->faceColour(), QColor(Qt::red));
    QVERIFY(!box->isHidden());
    QCOMPARE(box->count(), 2);

    const int bakker = box->findText(QStringLiteral("Bakker"));
    auto* window = static_cast<IncomeEntryWindow*>(fixture.window);
    window->pickMember(bakker);
    QCOMPARE(fixture.description()->text(), QStringLiteral("Bakker"));
    QCOMPARE(fixture.amount()->value(), 0.0);

    fixture.control<QCheckBox>("contributionCheck")->setChecked(true);
    window->pickMember(box->findText(QStringLiteral("Jansen")));
    QCOMPARE(fixture.description()->text(), QStringLiteral("Jansen"));
    QCOMPARE(fixture.amount()->value(), 45.0);
    QCOMPARE(fixture.data().ledentabel.asString("Naam"), QStringLiteral("Jansen"));

    toggle->click();
    QCOMPARE(toggle->text(), QStringLiteral("Leden keuze AAN"));
    QCOMPARE(toggle->faceColour(), QColor(0, 113, 0));
}

QTEST_MAIN(TestEntryAccountWindows)
#include "test_entry_account_windows.moc"
