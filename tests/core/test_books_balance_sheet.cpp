#include <QTest>

#include "core/amount_format.h"
#include "core/books/account_book.h"
#include "core/books/balance_sheet.h"
#include "support/temp_administration.h"

// The balance sheet's lines as the report prints them: one text per line, "caption | DEBET
// | CREDIT" in the detail block and "caption | amount" in the summary block.
class TestBooksBalanceSheet : public QObject
{
    Q_OBJECT

private:
    static QString render(const BalanceSheetLine& line)
    {
        if (line.block == BalanceSheetLine::Block::Summary)
            return line.caption + " | " + line.amount.text;
        return line.caption + " | " + line.debit.text + " | " + line.credit.text;
    }
    static QStringList render(const QList<BalanceSheetLine>& lines)
    {
        QStringList texts;
        for (const BalanceSheetLine& line : lines)
            texts << render(line);
        return texts;
    }
    static BalanceSheet sheetOf(TempAdministration& adm)
    {
        QString error;
        const AccountBook book = AccountBook::read(adm.data, &error);
        if (!error.isEmpty())
            qWarning("%s", qPrintable(error));
        BalanceSheet sheet;
        sheet.Toonsaldo(book);
        return sheet;
    }
    static void setAccount(TempAdministration& adm, int account, double saldo, bool always)
    {
        Table& r = adm.data.rekeningtabel;
        QVERIFY(r.findNearest(account));
        QVERIFY(r.edit());
        QVERIFY(r.setValue("saldo", saldo));
        QVERIFY(r.setValue("Altijdtonen", always));
        QVERIFY(r.post());
    }
    // The rows between the bank heading and the cash heading.
    static QStringList bankSection(const BalanceSheet& sheet)
    {
        const QStringList lines = render(sheet.detailLines());
        const int banks = lines.indexOf("Banken |  | ");
        const int cash = lines.indexOf("Kassen |  | ");
        return lines.mid(banks + 1, cash - banks - 1);
    }

private slots:
    void cleanup() { AmountFormat::setDutchAmounts(false); }

    void incomeAndExpenseIntoTheBank()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "contributie", QDate(2024, 3, 1), 1000.0));
        QVERIFY(adm.ledger.PostJournalEntry(101, 401, "huur", QDate(2024, 3, 2), 400.0));
        QVERIFY(adm.ledger.RecomputeAllTotals(false));

        const BalanceSheet sheet = sheetOf(adm);
        QCOMPARE(render(sheet.detailLines()),
                 QStringList({" | DEBET | CREDIT", "Eigen vermogen (oud) |  | 0.00", "Banken |  | ",
                              "Bank 1 | 600.00 | ", "Kassen |  | ", "Inventaris / middelen |  | ",
                              "Schulden / vorderingen |  | ",
                              "Positief resultaat (vermogenstoename) |  | 600.00",
                              "TOTALEN | € 600.00 | € 600.00"}));
        QCOMPARE(render(sheet.summaryLines()),
                 QStringList({"Eigen vermogen oud (POSITIEF) | 0.00",
                              "Eigen vermogen nieuw (POSITIEF) | 600.00", "Saldo Banken | 600.00",
                              "Saldo Kassen | 0.00", "Saldo Inventaris / middelen | 0.00",
                              "Saldo schulden/vorderingen | 0.00"}));
        QCOMPARE(sheet.result(), 600.0);
    }

    void linesCarryWhatTheReportLaysOut()
    {
        TempAdministration adm;
        setAccount(adm, 101, 600.0, false);
        const QList<BalanceSheetLine> lines = sheetOf(adm).lines();
        const auto find = [&](BalanceSheetLine::Kind kind, int account) {
            for (const BalanceSheetLine& line : lines)
                if (line.kind == kind && line.account == account)
                    return line;
            return BalanceSheetLine();
        };
        const BalanceSheetLine heading = find(BalanceSheetLine::Kind::SectionHeading, 100);
        QVERIFY(heading.bold);
        QCOMPARE(heading.level, 0);
        const BalanceSheetLine row = find(BalanceSheetLine::Kind::AccountRow, 101);
        QVERIFY(!row.bold);
        QCOMPARE(row.level, 1);
        QVERIFY(row.captionGrey);
        QVERIFY(row.debit.present && !row.credit.present);
        QCOMPARE(row.debit.value, 600.0);
        const BalanceSheetLine totals = find(BalanceSheetLine::Kind::Totals, 0);
        QVERIFY(totals.bold && totals.debit.currency && totals.credit.currency);
        QVERIFY(find(BalanceSheetLine::Kind::Summary, 100).amount.present);
    }

    void zeroBankPrintsOnlyWhenAlwaysShown_data()
    {
        QTest::addColumn<bool>("always");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("left out, next bank moves up")
            << false << QStringList({"Bank 2 | 50.00 | "});
        QTest::newRow("always shown")
            << true << QStringList({"Bank 1 | 0.00 | ", "Bank 2 | 50.00 | "});
    }
    void zeroBankPrintsOnlyWhenAlwaysShown()
    {
        QFETCH(bool, always);
        QFETCH(QStringList, rows);
        TempAdministration adm;
        setAccount(adm, 101, 0.0, always);
        setAccount(adm, 102, 50.0, false);
        QCOMPARE(bankSection(sheetOf(adm)), rows);
    }

    void aLeftOverFractionOfACentIsZero()
    {
        TempAdministration adm;
        setAccount(adm, 101, 0.1 + 0.2 - 0.3, false);
        QVERIFY(bankSection(sheetOf(adm)).isEmpty());
    }

    void negativeCashGoesToCreditWhileItsSummaryKeepsTheSign()
    {
        TempAdministration adm;
        QVERIFY(
            adm.ledger.PostJournalEntry(111, 401, "te veel uitgegeven", QDate(2024, 3, 1), 25.0));
        QVERIFY(adm.ledger.RecomputeAllTotals(false));
        const BalanceSheet sheet = sheetOf(adm);
        const QStringList detail = render(sheet.detailLines());
        QVERIFY(detail.contains("kas 1 |  | 25.00"));
        QVERIFY(detail.contains("Negatief resultaat (vermogensafname) | 25.00 | "));
        QVERIFY(detail.contains("TOTALEN | € 25.00 | € 25.00"));
        const QStringList summary = render(sheet.summaryLines());
        QVERIFY(summary.contains("Saldo Kassen | -25.00"));
        QVERIFY(summary.contains("Eigen vermogen nieuw (NEGATIEF) | 25.00"));
    }

    void equityAndResultSides_data()
    {
        QTest::addColumn<double>("equity");
        QTest::addColumn<double>("bank");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("equal totals give a zero profit")
            << -1000.0 << 1000.0
            << QStringList({"Eigen vermogen (oud) |  | 1,000.00",
                            "Positief resultaat (vermogenstoename) |  | 0.00",
                            "TOTALEN | € 1,000.00 | € 1,000.00",
                            "Eigen vermogen oud (POSITIEF) | 1,000.00",
                            "Eigen vermogen nieuw (POSITIEF) | 1,000.00"});
        QTest::newRow("negative equity on the debit side")
            << 200.0 << 50.0
            << QStringList({"Eigen vermogen (oud) | 200.00 | ",
                            "Positief resultaat (vermogenstoename) |  | 250.00",
                            "TOTALEN | € 250.00 | € 250.00",
                            "Eigen vermogen oud (NEGATIEF) | 200.00",
                            "Eigen vermogen nieuw (POSITIEF) | 50.00"});
        QTest::newRow("loss") << -1000.0 << 800.0
                              << QStringList({"Eigen vermogen (oud) |  | 1,000.00",
                                              "Negatief resultaat (vermogensafname) | 200.00 | ",
                                              "TOTALEN | € 1,000.00 | € 1,000.00",
                                              "Eigen vermogen oud (POSITIEF) | 1,000.00",
                                              "Eigen vermogen nieuw (POSITIEF) | 800.00"});
    }
    void equityAndResultSides()
    {
        QFETCH(double, equity);
        QFETCH(double, bank);
        QFETCH(QStringList, expected);
        TempAdministration adm;
        setAccount(adm, 70, equity, false);
        setAccount(adm, 101, bank, false);
        const QStringList lines = render(sheetOf(adm).lines());
        for (const QString& line : expected)
            QVERIFY2(lines.contains(line), qPrintable(line + "\n" + lines.join('\n')));
    }

    void debtsAndReceivablesAndTheirSummary()
    {
        TempAdministration adm;
        setAccount(adm, 201, -300.0, false);
        setAccount(adm, 211, 75.0, false);
        const BalanceSheet sheet = sheetOf(adm);
        const QStringList detail = render(sheet.detailLines());
        const int heading = detail.indexOf("Schulden / vorderingen |  | ");
        QCOMPARE(detail.mid(heading + 1, 2),
                 QStringList({"Nog te betalen |  | 300.00", "Nog te ontvangen | 75.00 | "}));
        QVERIFY(render(sheet.summaryLines()).contains("Saldo schulden/vorderingen | -225.00"));
    }

    void printingTwiceGivesTheSameFigures()
    {
        TempAdministration adm;
        setAccount(adm, 70, -500.0, false);
        setAccount(adm, 101, 700.0, false);
        const AccountBook book = AccountBook::read(adm.data);
        BalanceSheet sheet;
        sheet.Toonsaldo(book);
        const QStringList first = render(sheet.lines());
        sheet.Toonsaldo(book);
        QCOMPARE(render(sheet.lines()), first);
        QCOMPARE(sheet.debitTotal(), 700.0);
    }

    void amountsFollowTheSeparatorsInForce()
    {
        AmountFormat::setDutchAmounts(true);
        TempAdministration adm;
        setAccount(adm, 101, 1234.5, false);
        const QStringList lines = render(sheetOf(adm).lines());
        QVERIFY(lines.contains("Bank 1 | 1.234,50 | "));
        QVERIFY(lines.contains("TOTALEN | € 1.234,50 | € 1.234,50"));
    }

    void readingNeitherMovesNorObeysTheSharedCursor()
    {
        TempAdministration adm;
        setAccount(adm, 101, 10.0, false);
        Table& r = adm.data.rekeningtabel;
        QVERIFY(r.setFilter("Nummer = 901"));
        r.setFiltered(true);
        QVERIFY(r.first());
        QCOMPARE(bankSection(sheetOf(adm)), QStringList({"Bank 1 | 10.00 | "}));
        QCOMPARE(r.asInteger("Nummer"), 901);
    }
};

QTEST_GUILESS_MAIN(TestBooksBalanceSheet)
#include "test_books_balance_sheet.moc"
