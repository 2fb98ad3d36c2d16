#include <QTest>

#include "core/books/account_book.h"
#include "core/books/income_statement.h"
#include "core/ledger/chart_of_accounts.h"
#include "support/temp_administration.h"

// The income and expenditure statement's lines per side, as "row caption | column amount"
// texts: "701 Contributies | detail 1,000.00", "701 ... | group ..." and so on.
class TestBooksIncomeStatement : public QObject
{
    Q_OBJECT

    using Line = IncomeStatementLine;

private:
    static QString render(const Line& line)
    {
        QString column;
        if (line.column == Line::Column::Detail)
            column = "detail ";
        else if (line.column == Line::Column::Group)
            column = "group ";
        QString text = line.row > 0 ? QString::number(line.row) + " " : QString();
        text += line.caption;
        if (line.amount.present)
            text += " | " + column + line.amount.text;
        if (line.ruleAbove)
            text += " (lijn)";
        return text;
    }
    static QStringList render(const QList<Line>& lines)
    {
        QStringList texts;
        for (const Line& line : lines)
            texts << render(line);
        return texts;
    }
    static IncomeStatement statementOf(TempAdministration& adm, bool combined = false)
    {
        IncomeStatement statement;
        statement.toonsaldo(AccountBook::read(adm.data), combined);
        return statement;
    }
    static QStringList incomeSide(const IncomeStatement& s)
    {
        return render(s.side(Line::Side::Income));
    }
    static QStringList expenseSide(const IncomeStatement& s)
    {
        return render(s.side(Line::Side::Expense));
    }
    static void setAccount(TempAdministration& adm, int account, double saldo, bool always = false)
    {
        Table& r = adm.data.rekeningtabel;
        QVERIFY(r.findNearest(account));
        QVERIFY(r.edit());
        QVERIFY(r.setValue("saldo", saldo));
        QVERIFY(r.setValue("Altijdtonen", always));
        QVERIFY(r.post());
    }
    static QString name(int account) { return ChartOfAccounts::defaultName(account); }

private slots:
    void incomeAndExpenseSideBySide()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "contributie", QDate(2024, 3, 1), 1000.0));
        QVERIFY(adm.ledger.PostJournalEntry(101, 401, "huur", QDate(2024, 3, 2), 400.0));
        QVERIFY(adm.ledger.RecomputeAllTotals(false));
        const IncomeStatement s = statementOf(adm);
        QCOMPARE(incomeSide(s), QStringList({"INKOMSTEN", "1 " + name(701) + " | detail 1,000.00",
                                             "2 " + name(700) + " | group 1,000.00 (lijn)",
                                             "TOTAAL | group € 1,000.00"}));
        QCOMPARE(expenseSide(s), QStringList({"UITGAVEN", "1 " + name(401) + " | detail 400.00",
                                              "2 " + name(400) + " | group 400.00 (lijn)",
                                              "Positief resultaat (Over) | group 600.00",
                                              "TOTAAL | group € 1,000.00"}));
        QCOMPARE(s.incomeTotal(), 1000.0);
        QCOMPARE(s.expenseTotal(), 400.0);
    }

    void linesCarryTheirLooks()
    {
        TempAdministration adm;
        setAccount(adm, 701, -10.0);
        setAccount(adm, 700, -10.0);
        const QList<Line> lines = statementOf(adm).side(Line::Side::Income);
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].bold && lines[0].italic);
        QCOMPARE(lines[1].kind, Line::Kind::AccountRow);
        QCOMPARE(lines[1].account, 701);
        QCOMPARE(lines[1].level, 1);
        QVERIFY(lines[1].captionGrey && lines[1].amountGrey && !lines[1].ruleAbove);
        QCOMPARE(lines[2].kind, Line::Kind::GroupRow);
        QCOMPARE(lines[2].level, 0);
        QVERIFY(!lines[2].amountGrey);
        QVERIFY(lines[3].bold && lines[3].amount.currency);
    }

    void aGroupLineOnTheFirstRowHasNoRule()
    {
        TempAdministration adm;
        setAccount(adm, 700, -10.0);
        QCOMPARE(incomeSide(statementOf(adm))[1], "1 " + name(700) + " | group 10.00");
    }

    void incomeWithADebitBalancePrintsNegative()
    {
        TempAdministration adm;
        setAccount(adm, 702, 50.0);
        setAccount(adm, 700, 50.0);
        const IncomeStatement s = statementOf(adm);
        QCOMPARE(incomeSide(s), QStringList({"INKOMSTEN", "1 " + name(702) + " | detail -50.00",
                                             "2 " + name(700) + " | group -50.00 (lijn)",
                                             "Negatief resultaat (Tekort) | group 50.00",
                                             "TOTAAL | group € 0.00"}));
    }

    void emptyGroupsTakeNoRowsAndAlwaysShownZerosDo()
    {
        TempAdministration adm;
        setAccount(adm, 711, -100.0);
        setAccount(adm, 710, -100.0);
        setAccount(adm, 722, 0.0, true);
        const QStringList income = incomeSide(statementOf(adm));
        QCOMPARE(income.mid(1, 3), QStringList({"1 " + name(711) + " | detail 100.00",
                                                "2 " + name(710) + " | group 100.00 (lijn)",
                                                "3 " + name(722) + " | detail 0.00"}));
    }

    void combinedGroup440_data()
    {
        QTest::addColumn<bool>("combined");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("separate") << false
                                  << QStringList({"1 " + name(441) + " | detail 20.00",
                                                  "2 " + name(440) + " | group 20.00 (lijn)",
                                                  "3 " + name(452) + " | detail 30.00",
                                                  "4 " + name(450) + " | group 30.00 (lijn)"});
        QTest::newRow("combined") << true
                                  << QStringList({"1 " + name(441) + " | detail 20.00",
                                                  "2 " + name(452) + " | detail 30.00",
                                                  "3 " + name(440) + " | group 50.00 (lijn)"});
    }
    void combinedGroup440()
    {
        QFETCH(bool, combined);
        QFETCH(QStringList, rows);
        TempAdministration adm;
        setAccount(adm, 441, 20.0);
        setAccount(adm, 452, 30.0);
        QVERIFY(adm.ledger.RecomputeAllTotals(combined));
        const IncomeStatement s = statementOf(adm, combined);
        QCOMPARE(expenseSide(s).mid(1, rows.size()), rows);
        QCOMPARE(s.expenseTotal(), 50.0);
    }

    void depositDifferencesOnTheSideOfTheirSign_data()
    {
        QTest::addColumn<double>("saldo");
        QTest::addColumn<QStringList>("income");
        QTest::addColumn<QStringList>("expense");
        QTest::newRow("credit") << -2.5
                                << QStringList({"INKOMSTEN", "stortingverschillen | group 2.50",
                                                "TOTAAL | group € 2.50"})
                                << QStringList({"UITGAVEN",
                                                "Positief resultaat (Over) | group 2.50",
                                                "TOTAAL | group € 2.50"});
        QTest::newRow("debit") << 2.5
                               << QStringList({"INKOMSTEN",
                                               "Negatief resultaat (Tekort) | group 2.50",
                                               "TOTAAL | group € 2.50"})
                               << QStringList({"UITGAVEN", "stortingverschillen | group 2.50",
                                               "TOTAAL | group € 2.50"});
        QTest::newRow("zero") << 0.0 << QStringList({"INKOMSTEN", "TOTAAL | group € 0.00"})
                              << QStringList({"UITGAVEN", "Positief resultaat (Over) | group 0.00",
                                              "TOTAAL | group € 0.00"});
    }
    void depositDifferencesOnTheSideOfTheirSign()
    {
        QFETCH(double, saldo);
        QFETCH(QStringList, income);
        QFETCH(QStringList, expense);
        TempAdministration adm;
        // 901 prints on either side even when marked to show at zero: it has no row.
        setAccount(adm, 901, saldo, true);
        const IncomeStatement s = statementOf(adm);
        QCOMPARE(incomeSide(s), income);
        QCOMPARE(expenseSide(s), expense);
    }

    void equalTotalsGiveAZeroSurplus()
    {
        TempAdministration adm;
        // 0.10 + 0.20 exceeds 0.30 in binary floating point: equal on paper must stay equal.
        setAccount(adm, 701, -0.3);
        setAccount(adm, 700, -0.3);
        setAccount(adm, 401, 0.1);
        setAccount(adm, 400, 0.1);
        setAccount(adm, 901, 0.2);
        const IncomeStatement s = statementOf(adm);
        QVERIFY(expenseSide(s).contains("Positief resultaat (Over) | group 0.00"));
        QVERIFY(!incomeSide(s).join('\n').contains("resultaat"));
        QCOMPARE(s.grandTotal(), 0.3);
    }

    void totalsComeFromTheStoredGroupAccountsAlone()
    {
        TempAdministration adm;
        setAccount(adm, 701, -100.0);
        setAccount(adm, 700, -80.0);
        QCOMPARE(statementOf(adm).incomeTotal(), 80.0);
    }

    void printingTwiceGivesTheSameFigures()
    {
        TempAdministration adm;
        setAccount(adm, 701, -100.0);
        setAccount(adm, 700, -100.0);
        const AccountBook book = AccountBook::read(adm.data);
        IncomeStatement s;
        s.toonsaldo(book, false);
        const QStringList first = render(s.lines());
        s.toonsaldo(book, false);
        QCOMPARE(render(s.lines()), first);
        QCOMPARE(s.incomeTotal(), 100.0);
    }

    void everyAccountShownFitsItsSide()
    {
        TempAdministration adm;
        for (int account : ChartOfAccounts::allAccounts())
            setAccount(adm, account, 0.0, true);
        const IncomeStatement s = statementOf(adm);
        int income = 0;
        int expense = 0;
        for (const Line& line : s.lines()) {
            if (line.row == 0)
                continue;
            (line.side == Line::Side::Income ? income : expense) = line.row;
        }
        QCOMPARE(income, IncomeStatement::IncomeRows);
        QCOMPARE(expense, IncomeStatement::ExpenseRows);
    }
};

QTEST_GUILESS_MAIN(TestBooksIncomeStatement)
#include "test_books_income_statement.moc"
