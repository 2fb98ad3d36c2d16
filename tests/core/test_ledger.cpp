#include <QTest>

#include "core/ledger/chart_of_accounts.h"
#include "core/store/transaction.h"
#include "support/temp_administration.h"

class TestLedger : public QObject
{
    Q_OBJECT

private:
    static void setBalance(TempAdministration& adm, int account, double saldo)
    {
        Table& r = adm.data.rekeningtabel;
        QVERIFY(r.findNearest(account));
        QVERIFY(r.edit());
        QVERIFY(r.setValue("saldo", saldo));
        QVERIFY(r.post());
    }

private slots:
    void chartHasItsAccounts()
    {
        QCOMPARE(ChartOfAccounts::PostingAccounts().size(), 102);
        QCOMPARE(ChartOfAccounts::TotalAccounts().size(), 18);
        QVERIFY(ChartOfAccounts::isPostingAccount(901));
        QVERIFY(!ChartOfAccounts::isPostingAccount(440));
        QCOMPARE(ChartOfAccounts::groupOf(440, true).size(), 10);
        QVERIFY(ChartOfAccounts::groupOf(450, true).isEmpty());
        QCOMPARE(ChartOfAccounts::groupOf(760, false), QList<int>({761, 762, 763}));
    }

    void freshChartIsInBalance()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.ComputeLedgerTotals());
        QCOMPARE(adm.ledger.LedgerTotal, 0.0);
        QVERIFY(adm.ledger.LedgerInBalance);
    }

    void postingMovesBothBalancesAndNumbersLines()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "contributie jan", QDate(2024, 1, 31), 25.0));
        Table& j = adm.data.journaaltabel;
        QCOMPARE(j.recordCount(), 1);
        QCOMPARE(j.asInteger("jrnr"), 1);
        QCOMPARE(j.asInteger("vanrekening"), 701);
        QCOMPARE(j.asInteger("naarrekening"), 101);
        QCOMPARE(j.asFloat("bedrag"), 25.0);
        QCOMPARE(j.asDate("datum"), QDate(2024, 1, 31));
        QCOMPARE(adm.ledger.balance(701), -25.0);
        QCOMPARE(adm.ledger.balance(101), 25.0);
        // The accounts cursor is left on the "to" account.
        QCOMPARE(adm.data.rekeningtabel.asInteger("Nummer"), 101);

        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "tweede", QDate(2024, 2, 1), 10.0));
        QCOMPARE(j.asInteger("jrnr"), 2);
        QVERIFY(adm.ledger.ComputeLedgerTotals());
        QVERIFY(adm.ledger.LedgerInBalance);
    }

    void numberingIgnoresAViewsFilter()
    {
        TempAdministration adm;
        for (int i = 0; i < 3; ++i)
            QVERIFY(adm.ledger.PostJournalEntry(701, 101, "x", QDate(2024, 1, 1), 1.0));
        Table& j = adm.data.journaaltabel;
        QVERIFY(j.setFilter("JrNr = 1"));
        QCOMPARE(j.recordCount(), 1);
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "vierde", QDate(2024, 1, 2), 1.0));
        QVERIFY(j.setFilter(QString()));
        QVERIFY(j.last());
        QCOMPARE(j.asInteger("JrNr"), 4);
    }

    void amountsAreBookedAsGiven_data()
    {
        QTest::addColumn<double>("amount");
        QTest::newRow("negative") << -10.0;
        QTest::newRow("zero") << 0.0;
    }
    void amountsAreBookedAsGiven()
    {
        QFETCH(double, amount);
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(70, 201, "beginbalans", QDate(2024, 1, 1), amount));
        QCOMPARE(adm.ledger.balance(70), -amount);
        QCOMPARE(adm.ledger.balance(201), amount);
        QCOMPARE(adm.data.journaaltabel.asFloat("Bedrag"), amount);
    }

    void settlingWithinACentRemovesTheItem_data()
    {
        QTest::addColumn<double>("paid");
        QTest::addColumn<int>("itemsLeft");
        QTest::addColumn<double>("rest");
        QTest::newRow("exact") << 100.0 << 0 << 0.0;
        QTest::newRow("within a cent") << 99.995 << 0 << 0.0;
        QTest::newRow("partly") << 60.0 << 1 << 40.0;
        QTest::newRow("too much leaves a negative rest") << 120.0 << 1 << -20.0;
    }
    void settlingWithinACentRemovesTheItem()
    {
        QFETCH(double, paid);
        QFETCH(int, itemsLeft);
        QFETCH(double, rest);
        TempAdministration adm;
        for (Table* t : {&adm.data.betalentabel, &adm.data.ontvangentabel}) {
            const bool payable = t == &adm.data.betalentabel;
            QVERIFY(payable ? adm.ledger.AddPayable("factuur", QDate(2024, 5, 1), 100.0)
                            : adm.ledger.AddReceivable("factuur", QDate(2024, 5, 1), 100.0));
            QVERIFY(t->first());
            QVERIFY(payable ? adm.ledger.SettlePayable(paid) : adm.ledger.SettleReceivable(paid));
            QCOMPARE(t->recordCount(), itemsLeft);
            if (itemsLeft)
                QVERIFY(qAbs(t->asFloat("Bedrag") - rest) < 1e-9);
        }
    }

    void groupTotalsWithAndWithoutCombined440()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(101, 441, "materiaal", QDate(2024, 6, 1), 30.0));
        QVERIFY(adm.ledger.PostJournalEntry(101, 452, "dranken", QDate(2024, 6, 2), 12.5));
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "contributie", QDate(2024, 6, 3), 100.0));
        QVERIFY(adm.ledger.RecomputeAllTotals(false));
        QCOMPARE(adm.ledger.balance(440), 30.0);
        QCOMPARE(adm.ledger.balance(450), 12.5);
        QCOMPARE(adm.ledger.balance(700), -100.0);
        QCOMPARE(adm.ledger.balance(100), 57.5);
        QVERIFY(adm.ledger.RecomputeAllTotals(true));
        QCOMPARE(adm.ledger.balance(440), 42.5);
        QCOMPARE(adm.ledger.balance(450), 0.0);
        QVERIFY(adm.ledger.SumAccountsInto(450, {0, 0, 0}));
        QCOMPARE(adm.data.rekeningtabel.recNo(), 1);
        QCOMPARE(adm.ledger.balance(450), 0.0);
    }

    void ledgerCheckSeesAHandMadeDifference()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "x", QDate(2024, 1, 1), 50.0));
        setBalance(adm, 101, 50.02);
        QVERIFY(adm.ledger.ComputeLedgerTotals());
        QVERIFY(!adm.ledger.LedgerInBalance);
        QVERIFY(qAbs(adm.ledger.LedgerTotal - 0.02) < 1e-9);
        // A wrong total account never upsets the check.
        setBalance(adm, 101, 50.0);
        setBalance(adm, 100, 999.0);
        QVERIFY(adm.ledger.ComputeLedgerTotals());
        QVERIFY(adm.ledger.LedgerInBalance);
        setBalance(adm, 101, 50.004);
        QVERIFY(adm.ledger.ComputeLedgerTotals());
        QVERIFY(adm.ledger.LedgerInBalance);
    }

    void aFailedSequenceLeavesNothingBehind()
    {
        TempAdministration adm;
        {
            Transaction t(adm.data.Database1);
            QVERIFY(adm.ledger.PostJournalEntry(701, 211, "nota", QDate(2024, 1, 1), 80.0));
            QVERIFY(adm.ledger.AddReceivable("nota", QDate(2024, 1, 1), 80.0));
            // An account outside the chart stops the sequence; the guard undoes it all.
            QVERIFY(!adm.ledger.PostJournalEntry(701, 5555, "fout", QDate(2024, 1, 1), 1.0));
        }
        QCOMPARE(adm.data.journaaltabel.recordCount(), 0);
        QCOMPARE(adm.data.ontvangentabel.recordCount(), 0);
        QCOMPARE(adm.ledger.balance(211), 0.0);
        QCOMPARE(adm.ledger.balance(701), 0.0);
    }

    void searchFilterOnTheJournal()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "HUUR zaal", QDate(2024, 1, 1), 1.0));
        QVERIFY(adm.ledger.PostJournalEntry(701, 102, "huur", QDate(2024, 1, 1), 1.0));
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "koffie", QDate(2024, 1, 1), 1.0));
        Table& j = adm.data.journaaltabel;
        const QStringList fields{"JrNr", "JrNr", "Omschrijving", "Vanrekening", "Naarrekening"};
        const QStringList ops{">=", "<=", "LIKE", "=", "="};
        QVERIFY(BuildSearchFilter(j, 5, fields, {"", "", "huur", "", "101"}, ops, true));
        QCOMPARE(j.recordCount(), 1);
        QVERIFY(BuildSearchFilter(j, 5, fields, {"", "", "", "", ""}, ops, true));
        QCOMPARE(j.recordCount(), 3);
        QVERIFY(!BuildSearchFilter(j, 5, fields, {"abc", "", "", "", ""}, ops, true));
        QCOMPARE(j.recordCount(), 3);
        QVERIFY(!BuildSearchFilter(j, 5, fields, {"1) OR (1=1", "", "", "", ""}, ops, true));
    }
};

QTEST_GUILESS_MAIN(TestLedger)
#include "test_ledger.moc"
