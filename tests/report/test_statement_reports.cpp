#include "core/amount_format.h"
#include "report/definitions/balance_sheet_report.h"
#include "report/definitions/income_statement_report.h"
#include "report/definitions/journal_report.h"
#include "report/report_page_frame.h"
#include "statement_test_books.h"

#include <QtTest>

namespace {
constexpr int kDebit = int(BalanceSheetReport::DebitLeft);
constexpr int kCredit = int(BalanceSheetReport::CreditLeft);
constexpr int kIncomeDetail =
    int(IncomeStatementReport::IncomeLeft + IncomeStatementReport::DetailLeft);
constexpr int kIncomeGroup =
    int(IncomeStatementReport::IncomeLeft + IncomeStatementReport::GroupLeft);
constexpr int kExpenseDetail =
    int(IncomeStatementReport::ExpenseLeft + IncomeStatementReport::DetailLeft);
constexpr int kExpenseGroup =
    int(IncomeStatementReport::ExpenseLeft + IncomeStatementReport::GroupLeft);

const ReportPage& onlyPage(const std::shared_ptr<ReportDocument>& document)
{
    if (!document || document->pageCount() != 1)
        qFatal("the statement should print on exactly one page");
    return document->page(0);
}

std::shared_ptr<ReportDocument> balanceSheet(StatementTestBooks& books)
{
    BalanceSheetReport report(books.data, books.settings);
    if (!report.Toonsaldo())
        qFatal("%s", qPrintable(report.lastError()));
    return report.generate();
}

std::shared_ptr<ReportDocument> incomeStatement(StatementTestBooks& books)
{
    IncomeStatementReport report(books.data, books.settings);
    if (!report.toonsaldo())
        qFatal("%s", qPrintable(report.lastError()));
    return report.generate();
}

QString money(double amount)
{
    return AmountFormat::currency(amount);
}

double topOf(const ReportPage& page, const QString& text)
{
    const PageItem* item = page.findText(text);
    return item ? item->rect.top() : -1;
}

// The dark blue rules of a page that start at a band position (mm from the margin).
int rulesAt(const ReportPage& page, int left, double y)
{
    int count = 0;
    for (const PageItem* line : page.itemsOfKind(PageItemKind::Line))
        count += qAbs(line->rect.left() - StatementTestBooks::Margin - left) < 3 &&
                 qAbs(line->rect.top() - y) < 1.0;
    return count;
}
} // namespace

class TestStatementReports : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void balanceSheetOfOneIncomeAndOneExpense();
    void zeroBankRowsCloseUp_data();
    void zeroBankRowsCloseUp();
    void negativeCashGoesToCreditSummaryKeepsSign();
    void equalBalanceTotalsArePositiveResult();
    void printingTwiceGivesTheSameFigures();

    void incomeStatementOfOneIncomeAndOneExpense();
    void incomeAccountWithDebitBalancePrintsNegative();
    void combinedGroup440_data();
    void combinedGroup440();
    void depositDifferencesOnTheirSide_data();
    void depositDifferencesOnTheirSide();
    void equalIncomeAndExpenseArePositiveResult();

    void logoSlots_data();
    void logoSlots();
    void longAssociationNamePrintsWhole();
    void yearBoxPrintsAsTyped();
    void framePageNumbers();
};

void TestStatementReports::init()
{
    AmountFormat::setDutchAmounts(false);
}

void TestStatementReports::balanceSheetOfOneIncomeAndOneExpense()
{
    StatementTestBooks books;
    books.setAccount(101, 0, QStringLiteral("Bank ING"));
    books.setAccount(70, 0, QStringLiteral("Eigen vermogen"));
    QVERIFY(books.ledger.PostJournalEntry(701, 101, QStringLiteral("contributie"),
                                          QDate(2024, 1, 5), 1000.0));
    QVERIFY(books.ledger.PostJournalEntry(101, 401, QStringLiteral("zaalhuur"), QDate(2024, 2, 5),
                                          400.0));
    books.recomputeTotals();
    const auto pageDocument = balanceSheet(books);
    const ReportPage& page = onlyPage(pageDocument);

    const auto bank = StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Bank ING")));
    QCOMPARE(bank.value(kDebit), QStringLiteral("600.00"));
    QVERIFY(!bank.contains(kCredit));
    const auto equity =
        StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Eigen vermogen (oud)")));
    QCOMPARE(equity.value(kCredit), QStringLiteral("0.00"));
    QVERIFY(!equity.contains(kDebit));
    const auto result = StatementTestBooks::lineOf(
        page, page.findText(QStringLiteral("Positief resultaat (vermogenstoename)")));
    QCOMPARE(result.value(kCredit), QStringLiteral("600.00"));
    const auto totals = StatementTestBooks::lineOf(page, page.findText(QStringLiteral("TOTALEN")));
    QCOMPARE(totals.value(kDebit), money(600));
    QCOMPARE(totals.value(kCredit), money(600));
    const auto oldEquity = StatementTestBooks::lineOf(
        page, page.findText(QStringLiteral("Eigen vermogen oud (POSITIEF)")));
    QCOMPARE(oldEquity.value(kDebit), QStringLiteral("0.00"));
    const auto newEquity = StatementTestBooks::lineOf(
        page, page.findText(QStringLiteral("Eigen vermogen nieuw (POSITIEF)")));
    QCOMPARE(newEquity.value(kDebit), QStringLiteral("600.00"));
    // Fixed places: the result stands below every possible account row.
    QVERIFY(topOf(page, QStringLiteral("Positief resultaat (vermogenstoename)")) >
            topOf(page, QStringLiteral("Schulden / vorderingen")) + 50);
}

void TestStatementReports::zeroBankRowsCloseUp_data()
{
    QTest::addColumn<bool>("always");
    QTest::newRow("zero bank left out") << false;
    QTest::newRow("zero bank always shown") << true;
}

void TestStatementReports::zeroBankRowsCloseUp()
{
    QFETCH(bool, always);
    StatementTestBooks books;
    books.setAccount(101, 0, QStringLiteral("Bank ING"), always);
    books.setAccount(102, 250, QStringLiteral("Spaarrekening"));
    books.setAccount(100, 0, QStringLiteral("Banken"));
    books.setAccount(110, 0, QStringLiteral("Kassen"));
    books.recomputeTotals();
    const auto pageDocument = balanceSheet(books);
    const ReportPage& page = onlyPage(pageDocument);

    const double heading = topOf(page, QStringLiteral("Banken"));
    const double row = BalanceSheetReport::RowHeightMm;
    QVERIFY(heading > 0);
    QCOMPARE(page.findText(QStringLiteral("Bank ING")) != nullptr, always);
    QCOMPARE(topOf(page, QStringLiteral("Spaarrekening")), heading + (always ? 2 : 1) * row);
    if (always) {
        const auto zero =
            StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Bank ING")));
        QCOMPARE(zero.value(kDebit), QStringLiteral("0.00"));
    }
    // The next heading moves up with the rows.
    QCOMPARE(topOf(page, QStringLiteral("Kassen")), heading + (always ? 3 : 2) * row);
}

void TestStatementReports::negativeCashGoesToCreditSummaryKeepsSign()
{
    StatementTestBooks books;
    books.setAccount(110, 0, QStringLiteral("Kassen"));
    books.setAccount(111, -25, QStringLiteral("Kas kantine"));
    books.recomputeTotals();
    const auto pageDocument = balanceSheet(books);
    const ReportPage& page = onlyPage(pageDocument);

    const auto cash =
        StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Kas kantine")));
    QCOMPARE(cash.value(kCredit), QStringLiteral("25.00"));
    QVERIFY(!cash.contains(kDebit));
    const auto summary =
        StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Saldo Kassen")));
    QCOMPARE(summary.value(kDebit), QStringLiteral("-25.00"));
}

void TestStatementReports::equalBalanceTotalsArePositiveResult()
{
    StatementTestBooks books;
    books.setAccount(70, -100, QStringLiteral("Eigen vermogen"));
    books.setAccount(101, 100, QStringLiteral("Bank ING"));
    books.recomputeTotals();
    const auto pageDocument = balanceSheet(books);
    const ReportPage& page = onlyPage(pageDocument);

    QVERIFY(!page.findText(QStringLiteral("Negatief resultaat (vermogensafname)")));
    const auto result = StatementTestBooks::lineOf(
        page, page.findText(QStringLiteral("Positief resultaat (vermogenstoename)")));
    QCOMPARE(result.value(kCredit), QStringLiteral("0.00"));
    const auto totals = StatementTestBooks::lineOf(page, page.findText(QStringLiteral("TOTALEN")));
    QCOMPARE(totals.value(kDebit), money(100));
}

void TestStatementReports::printingTwiceGivesTheSameFigures()
{
    StatementTestBooks books;
    books.setAccount(101, 321.45, QStringLiteral("Bank ING"));
    books.setAccount(111, -20, QStringLiteral("Kas"));
    books.setAccount(701, -301.45, QStringLiteral("Contributies"));
    books.recomputeTotals();
    BalanceSheetReport balance(books.data, books.settings);
    IncomeStatementReport income(books.data, books.settings);
    QStringList first;
    QStringList second;
    for (QStringList* texts : {&first, &second}) {
        QVERIFY(balance.Toonsaldo());
        QVERIFY(income.toonsaldo());
        const auto balanceDocument = balance.generate();
        const auto incomeDocument = income.generate();
        *texts << balanceDocument->page(0).textsInReadingOrder()
               << incomeDocument->page(0).textsInReadingOrder();
    }
    QCOMPARE(second, first);
    QVERIFY(first.contains(money(321.45)));
}

void TestStatementReports::incomeStatementOfOneIncomeAndOneExpense()
{
    StatementTestBooks books;
    books.setAccount(701, 0, QStringLiteral("Contributies"));
    books.setAccount(700, 0, QStringLiteral("Inkomsten leden"));
    books.setAccount(401, 0, QStringLiteral("Zaalhuur"));
    books.setAccount(400, 0, QStringLiteral("Huisvesting"));
    QVERIFY(books.ledger.PostJournalEntry(701, 101, QStringLiteral("contributie"),
                                          QDate(2024, 1, 5), 1000.0));
    QVERIFY(books.ledger.PostJournalEntry(101, 401, QStringLiteral("zaalhuur"), QDate(2024, 2, 5),
                                          400.0));
    books.recomputeTotals();
    const auto pageDocument = incomeStatement(books);
    const ReportPage& page = onlyPage(pageDocument);

    const auto income =
        StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Contributies")));
    QCOMPARE(income.value(kIncomeDetail), QStringLiteral("1,000.00"));
    const auto incomeGroup =
        StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Inkomsten leden")));
    QCOMPARE(incomeGroup.value(kIncomeGroup), QStringLiteral("1,000.00"));
    const double groupTop = topOf(page, QStringLiteral("Inkomsten leden"));
    QCOMPARE(groupTop - topOf(page, QStringLiteral("Contributies")),
             IncomeStatementReport::RowHeightMm);
    QCOMPARE(rulesAt(page, kIncomeDetail, groupTop), 1);

    const auto expense =
        StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Zaalhuur")));
    QCOMPARE(expense.value(kExpenseDetail), QStringLiteral("400.00"));
    const auto expenseGroup =
        StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Huisvesting")));
    QCOMPARE(expenseGroup.value(kExpenseGroup), QStringLiteral("400.00"));

    const PageItem* result = page.findText(QStringLiteral("Positief resultaat (Over)"));
    QVERIFY(result);
    QVERIFY(result->rect.left() >= StatementTestBooks::Margin + IncomeStatementReport::ExpenseLeft);
    QCOMPARE(StatementTestBooks::lineOf(page, result).value(kExpenseGroup),
             QStringLiteral("600.00"));
    QStringList totals;
    for (const PageItem* item : page.itemsOfKind(PageItemKind::Text))
        if (item->text == money(1000))
            totals << item->text;
    QCOMPARE(totals.size(), 2);
    QCOMPARE(StatementTestBooks::count(page, QStringLiteral("TOTAAL")), 2);
}

void TestStatementReports::incomeAccountWithDebitBalancePrintsNegative()
{
    StatementTestBooks books;
    books.setAccount(702, 50, QStringLiteral("Donaties"));
    books.recomputeTotals();
    const auto pageDocument = incomeStatement(books);
    const ReportPage& page = onlyPage(pageDocument);
    const auto line = StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Donaties")));
    QCOMPARE(line.value(kIncomeDetail), QStringLiteral("-50.00"));
}

void TestStatementReports::combinedGroup440_data()
{
    QTest::addColumn<bool>("combined");
    QTest::newRow("separate 450") << false;
    QTest::newRow("combined under 440") << true;
}

void TestStatementReports::combinedGroup440()
{
    QFETCH(bool, combined);
    StatementTestBooks books;
    books.setAccount(441, 10, QStringLiteral("Drukwerk"));
    books.setAccount(451, 20, QStringLiteral("Porti"));
    books.setAccount(440, 0, QStringLiteral("Groep 440"));
    books.setAccount(450, 0, QStringLiteral("Groep 450"));
    books.recomputeTotals(combined);
    const auto pageDocument = incomeStatement(books);
    const ReportPage& page = onlyPage(pageDocument);

    const double group440 = topOf(page, QStringLiteral("Groep 440"));
    const double porti = topOf(page, QStringLiteral("Porti"));
    QVERIFY(group440 > 0 && porti > 0);
    QCOMPARE(porti < group440, combined);
    QCOMPARE(page.findText(QStringLiteral("Groep 450")) != nullptr, !combined);
    const auto line = StatementTestBooks::lineOf(page, page.findText(QStringLiteral("Groep 440")));
    QCOMPARE(line.value(kExpenseGroup),
             combined ? QStringLiteral("30.00") : QStringLiteral("10.00"));
}

void TestStatementReports::depositDifferencesOnTheirSide_data()
{
    QTest::addColumn<double>("balance");
    QTest::addColumn<bool>("incomeSide");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("total");
    QTest::newRow("credit balance") << -2.5 << true << QStringLiteral("2.50") << money(2.5);
    QTest::newRow("debit balance") << 2.5 << false << QStringLiteral("2.50") << money(2.5);
}

void TestStatementReports::depositDifferencesOnTheirSide()
{
    QFETCH(double, balance);
    QFETCH(bool, incomeSide);
    QFETCH(QString, printed);
    QFETCH(QString, total);
    StatementTestBooks books;
    books.setAccount(901, balance, QStringLiteral("Stortingverschillen"));
    books.recomputeTotals();
    const auto pageDocument = incomeStatement(books);
    const ReportPage& page = onlyPage(pageDocument);

    QCOMPARE(StatementTestBooks::count(page, QStringLiteral("Stortingverschillen")), 1);
    const PageItem* item = page.findText(QStringLiteral("Stortingverschillen"));
    QCOMPARE(item->rect.left() < StatementTestBooks::Margin + IncomeStatementReport::ExpenseLeft,
             incomeSide);
    const auto line = StatementTestBooks::lineOf(page, item);
    QCOMPARE(line.value(incomeSide ? kIncomeGroup : kExpenseGroup), printed);
    QCOMPARE(StatementTestBooks::count(page, total), 2);
    // A credit on 901 is income: it turns into a surplus; a debit into a shortfall.
    QVERIFY(page.findText(incomeSide ? QStringLiteral("Positief resultaat (Over)")
                                     : QStringLiteral("Negatief resultaat (Tekort)")));
}

void TestStatementReports::equalIncomeAndExpenseArePositiveResult()
{
    StatementTestBooks books;
    books.setAccount(701, -75, QStringLiteral("Contributies"));
    books.setAccount(401, 75, QStringLiteral("Zaalhuur"));
    books.recomputeTotals();
    const auto pageDocument = incomeStatement(books);
    const ReportPage& page = onlyPage(pageDocument);
    QVERIFY(!page.findText(QStringLiteral("Negatief resultaat (Tekort)")));
    const auto line = StatementTestBooks::lineOf(
        page, page.findText(QStringLiteral("Positief resultaat (Over)")));
    QCOMPARE(line.value(kExpenseGroup), QStringLiteral("0.00"));
}

void TestStatementReports::logoSlots_data()
{
    QTest::addColumn<bool>("print");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("logos");
    QTest::newRow("off, both sides set") << false << true << true << 0;
    QTest::newRow("off, left set") << false << true << false << 0;
    QTest::newRow("on, left only") << true << true << false << 1;
    QTest::newRow("on, both sides") << true << true << true << 2;
}

void TestStatementReports::logoSlots()
{
    QFETCH(bool, print);
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(int, logos);
    StatementTestBooks books;
    books.writeLogo();
    books.settings.mailAndLogo().PrintLogo = print;
    books.settings.mailAndLogo().PrintLogoLeft = left;
    books.settings.mailAndLogo().PrintLogoRight = right;
    const auto pageDocument = balanceSheet(books);
    const ReportPage& page = onlyPage(pageDocument);

    const QList<const PageItem*> images = page.itemsOfKind(PageItemKind::Image);
    QCOMPARE(images.size(), logos);
    if (logos == 2) {
        QCOMPARE(images[0]->resource, images[1]->resource);
        QCOMPARE(images[0]->rect.size(), images[1]->rect.size());
        QVERIFY(images[0]->rect.left() < 20 && images[1]->rect.right() > 190);
    }
}

void TestStatementReports::longAssociationNamePrintsWhole()
{
    StatementTestBooks books;
    const QString name = QStringLiteral("Harmonie- en Drumfanfare Sint-Caecilia ë");
    QCOMPARE(name.size(), 40);
    books.settings.setAssociationName(name);
    const auto balanceDocument = balanceSheet(books);
    const ReportPage& balance = onlyPage(balanceDocument);
    const auto incomeDocument = incomeStatement(books);
    const ReportPage& income = onlyPage(incomeDocument);
    for (const ReportPage* page : {&balance, &income}) {
        QCOMPARE(StatementTestBooks::count(*page, name), 2);
        for (const PageItem* item : page->itemsOfKind(PageItemKind::Text))
            if (item->text == name)
                QVERIFY(item->rect.right() <= 200.5);
    }
}

void TestStatementReports::yearBoxPrintsAsTyped()
{
    StatementTestBooks books;
    AppState::ReportYear = QStringLiteral("abcd");
    const auto balanceDocument = balanceSheet(books);
    const auto incomeDocument = incomeStatement(books);
    for (const auto& document : {balanceDocument, incomeDocument}) {
        const ReportPage& page = onlyPage(document);
        const PageItem* year = page.findText(QStringLiteral("abcd"));
        QVERIFY(year);
        QVERIFY(year->rect.top() < 30);
    }
    const auto pageDocument = balanceSheet(books);
    const ReportPage& page = onlyPage(pageDocument);
    QVERIFY(page.findText(QStringLiteral("BALANS")));
    QVERIFY(page.findText(QStringLiteral("Printdatum :")));
    QVERIFY(!page.findText(QStringLiteral("Blad :")));
}

void TestStatementReports::framePageNumbers()
{
    StatementTestBooks books;
    QVERIFY(books.ledger.PostJournalEntry(701, 101, QStringLiteral("contributie"),
                                          QDate(2024, 1, 5), 10.0));
    JournalReport report(books.data.journaaltabel, books.settings);
    const auto document = report.generate();
    const ReportPage& page = onlyPage(document);
    const PageItem* caption = page.findText(QStringLiteral("Blad :"));
    QVERIFY(caption);
    const auto footer = StatementTestBooks::lineOf(page, caption);
    QCOMPARE(footer.last(), QStringLiteral("1"));
    QCOMPARE(StatementTestBooks::count(page, QStringLiteral("Overzicht journaal van")), 2);
}

QTEST_MAIN(TestStatementReports)
#include "test_statement_reports.moc"
