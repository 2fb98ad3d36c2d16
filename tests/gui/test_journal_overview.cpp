#include "shell_fixture.h"

#include "core/amount_format.h"
#include "core/ledger/ledger.h"
#include "gui/overviews/overviews_catalogue.h"
#include "gui/overviews/report_preview_dialog.h"
#include "report/definitions/balance_sheet_report.h"
#include "report/definitions/journal_report.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace {
// Journal lines 1..30: every fifth one a rent in varying case, the rest contributions;
// lines 1..10 come from bank 101 to 701, the others from 701 to 101.
void bookLines(Ledger& ledger)
{
    for (int i = 1; i <= 30; ++i) {
        const QString description =
            i % 5 == 0 ? (i % 2 ? QStringLiteral("Huur zaal %1") : QStringLiteral("zaalhUUR %1"))
                       : QStringLiteral("contributie %1");
        const bool fromBank = i <= 10;
        QVERIFY(ledger.PostJournalEntry(fromBank ? 101 : 701, fromBank ? 701 : 101,
                                        description.arg(i), QDate(2024, 1, i % 28 + 1), i * 1.5));
    }
}

// Closes the next preview once it has laid out its pages and tells what it showed.
struct PreviewWatch
{
    int pages = -1;
    void closeNextPreview()
    {
        QTimer::singleShot(0, [this] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (auto* widget = dialog->findChild<QPrintPreviewWidget*>())
                pages = widget->pageCount();
            dialog->reject();
        });
    }
};
} // namespace

class TestJournalOverview : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void filtersAsTheUserTypes_data();
    void filtersAsTheUserTypes();
    void printTotalsTheLinesShown();
    void closingRemovesTheFilter();
    void correctsDateAndDescriptionOfTheCurrentLine();
    void mainWindowButtonsOpenTheReports();

private:
    std::unique_ptr<ShellFixture> m_fixture;
    Page* m_window = nullptr;
    QLineEdit* box(const char* name) { return m_window->findChild<QLineEdit*>(name); }
    Table& journal() { return m_fixture->shell->data().journaaltabel; }
    QString count() { return m_window->findChild<QLabel*>("recordCount")->text(); }
    QStringList shownDescriptions();
    void openWindow();
};

void TestJournalOverview::init()
{
    m_fixture = std::make_unique<ShellFixture>();
    QVERIFY(m_fixture->start());
    OverviewsCatalogue::install(*m_fixture->shell);
    bookLines(m_fixture->shell->ledger());
    openWindow();
}

void TestJournalOverview::openWindow()
{
    auto* button = m_fixture->child<QPushButton>(QStringLiteral("journalButton"));
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    m_window = m_fixture->shell->page(QStringLiteral("TForm7"));
    QVERIFY(m_window && m_window->isCurrentPage());
}

QStringList TestJournalOverview::shownDescriptions()
{
    auto* grid = m_window->findChild<QTableView*>(QStringLiteral("RxDBGrid1"));
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts << grid->model()->index(row, 2).data().toString();
    return texts;
}

void TestJournalOverview::filtersAsTheUserTypes_data()
{
    QTest::addColumn<QStringList>("typed"); // Edit4, Edit5, Edit2, Edit3, Edit1
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("mustContain");
    QTest::newRow("all empty") << QStringList{"", "", "", "", ""} << 30 << "contributie 1";
    QTest::newRow("10 t/m 20") << QStringList{"10", "20", "", "", ""} << 11 << "Huur zaal 15";
    QTest::newRow("HUUR any case") << QStringList{"", "", "HUUR", "", ""} << 6 << "zaalhUUR 10";
    QTest::newRow("from 101") << QStringList{"", "", "", "101", ""} << 10 << "contributie 1";
    QTest::newRow("from 101 to 701")
        << QStringList{"", "", "", "101", "701"} << 10 << "Huur zaal 5";
    QTest::newRow("from 101 to 702") << QStringList{"", "", "", "101", "702"} << 0 << "";
}

void TestJournalOverview::filtersAsTheUserTypes()
{
    QFETCH(QStringList, typed);
    QFETCH(int, expected);
    QFETCH(QString, mustContain);
    const char* names[] = {"Edit4", "Edit5", "Edit2", "Edit3", "Edit1"};
    for (int i = 0; i < 5; ++i)
        QTest::keyClicks(box(names[i]), typed[i]);
    QCOMPARE(count(), QString::number(expected));
    const QStringList shown = shownDescriptions();
    QCOMPARE(shown.size(), expected);
    if (!mustContain.isEmpty())
        QVERIFY(shown.contains(mustContain));
    if (typed[0] == "10") {
        QCOMPARE(journal().valueAt(0, 0).toInt(), 10);
        QCOMPARE(journal().valueAt(expected - 1, 0).toInt(), 20);
    }
}

void TestJournalOverview::printTotalsTheLinesShown()
{
    QTest::keyClicks(box("Edit2"), QStringLiteral("huur"));
    QTest::keyClicks(box("Edit4"), QStringLiteral("12"));
    auto* grid = m_window->findChild<QTableView*>(QStringLiteral("RxDBGrid1"));
    double shown = 0;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        shown += journal().valueAt(row, journal().schema().fieldIndex("Bedrag")).toDouble();
    QCOMPARE(grid->model()->rowCount(), 4);

    PreviewWatch watch;
    watch.closeNextPreview();
    QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("SRColorButton1")),
                      Qt::LeftButton);
    QCOMPARE(watch.pages, 1);
    auto* print = m_fixture->shell->find<JournalReport>(QStringLiteral("TQuickReport04"));
    QCOMPARE(print->total(), shown);
    const QStringList texts = print->lastDocument()->page(0).textsInReadingOrder();
    QVERIFY(texts.contains(AmountFormat::currency(shown)));
}

void TestJournalOverview::closingRemovesTheFilter()
{
    QTest::keyClicks(box("Edit4"), QStringLiteral("25"));
    QCOMPARE(count(), QStringLiteral("6"));
    QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("closeButton")),
                      Qt::LeftButton);
    QVERIFY(m_fixture->mainWindow().isCurrentPage());
    QCOMPARE(journal().filter(), QString());
    QVERIFY(!journal().isFiltered());
    openWindow();
    for (const char* name : {"Edit4", "Edit5", "Edit2", "Edit3", "Edit1"})
        QVERIFY(box(name)->text().isEmpty());
    QCOMPARE(count(), QStringLiteral("30"));
    QCOMPARE(shownDescriptions().size(), 30);
}

void TestJournalOverview::correctsDateAndDescriptionOfTheCurrentLine()
{
    QVERIFY(journal().moveToRow(2));
    auto* description = m_window->findChild<QLineEdit*>(QStringLiteral("DBEdit1"));
    QCOMPARE(description->text(), QStringLiteral("contributie 3"));
    const double amount = journal().asFloat("Bedrag");
    const double bank = m_fixture->shell->ledger().balance(101);
    description->setFocus();
    description->selectAll();
    QTest::keyClicks(description, QStringLiteral("contributie maart"));
    // Moving to the next line posts the correction.
    QTest::mouseClick(m_window->findChild<QWidget*>(QStringLiteral("navigatorNext")),
                      Qt::LeftButton);
    QCOMPARE(journal().row(), 3);
    QCOMPARE(journal().valueAt(2, journal().schema().fieldIndex("Omschrijving")).toString(),
             QStringLiteral("contributie maart"));
    QCOMPARE(journal().valueAt(2, journal().schema().fieldIndex("Bedrag")).toDouble(), amount);
    QCOMPARE(m_fixture->shell->ledger().balance(101), bank);
}

void TestJournalOverview::mainWindowButtonsOpenTheReports()
{
    QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("closeButton")),
                      Qt::LeftButton);
    m_fixture->child<QLineEdit>(QStringLiteral("Edit1"))->setText(QStringLiteral("2O24"));
    for (const char* button : {"balanceSheetButton", "incomeStatementButton"}) {
        auto* pushButton = m_fixture->child<QPushButton>(QString::fromLatin1(button));
        QVERIFY(pushButton->isEnabled());
        PreviewWatch watch;
        watch.closeNextPreview();
        QTest::mouseClick(pushButton, Qt::LeftButton);
        QCOMPARE(watch.pages, 1);
    }
    auto* balance = m_fixture->shell->find<BalanceSheetReport>(QStringLiteral("TQuickReport12"));
    QVERIFY(balance->lastDocument()->page(0).findText(QStringLiteral("2O24")));
}

QTEST_MAIN(TestJournalOverview)
#include "test_journal_overview.moc"
