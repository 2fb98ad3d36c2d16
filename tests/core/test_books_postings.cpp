#include <QTest>

#include "core/books/depreciation.h"
#include "core/books/inventory_purchase.h"
#include "core/books/opening_balance.h"
#include "support/temp_administration.h"

// The posting sequences of the opening balance, inventory purchase and depreciation
// windows, checked on the books they leave behind.
class TestBooksPostings : public QObject
{
    Q_OBJECT

private:
    static const QDate& day()
    {
        static const QDate d(2024, 2, 1);
        return d;
    }
    static void checkLastLine(TempAdministration& adm, int number, int from, int to,
                              const QString& description, double amount)
    {
        Table& journal = adm.data.journaaltabel;
        QVERIFY(journal.last());
        QCOMPARE(journal.asInteger("JrNr"), number);
        QCOMPARE(journal.asInteger("Vanrekening"), from);
        QCOMPARE(journal.asInteger("Naarrekening"), to);
        QCOMPARE(journal.asString("Omschrijving"), description);
        QCOMPARE(journal.asFloat("Bedrag"), amount);
        QCOMPARE(journal.asDate("Datum"), day());
    }
    static void checkOpenItem(Table& items, const QString& description, double amount)
    {
        QCOMPARE(items.unfilteredCount(), 1);
        QVERIFY(items.first());
        QCOMPARE(items.asString("Omschrijving"), description);
        QCOMPARE(items.asFloat("Bedrag"), amount);
        QCOMPARE(items.asDate("Datum"), day());
    }
    static void checkInBalance(TempAdministration& adm)
    {
        QVERIFY(adm.ledger.ComputeLedgerTotals());
        QVERIFY(adm.ledger.LedgerInBalance);
    }

private slots:
    void optionsMapToTheirAccounts_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("opening");
        QTest::addColumn<int>("purchase");
        QTest::newRow("first bank") << 0 << 101 << 101;
        QTest::newRow("last bank") << 8 << 109 << 109;
        QTest::newRow("first cash") << 9 << 111 << 111;
        QTest::newRow("last cash") << 13 << 115 << 115;
        QTest::newRow("first inventory / on account") << 14 << 131 << 201;
        QTest::newRow("last inventory") << 22 << 139 << 0;
        QTest::newRow("past the end") << 23 << 0 << 0;
        QTest::newRow("none chosen") << -1 << 0 << 0;
    }
    void optionsMapToTheirAccounts()
    {
        QFETCH(int, option);
        QFETCH(int, opening);
        QFETCH(int, purchase);
        QCOMPARE(OpeningBalance::financialAccountForOption(option), opening);
        QCOMPARE(InventoryPurchase::financialAccountForOption(option), purchase);
    }

    void openingBankBalance()
    {
        TempAdministration adm;
        OpeningBalance opening(adm.data, adm.ledger);
        const BooksResult result = opening.postFinancialAccount(0, "Beginbalans", day(), 1000.0);
        QVERIFY2(result, qPrintable(result.error));
        QCOMPARE(result.lastJournalNumber, 1);
        QCOMPARE(adm.ledger.balance(101), 1000.0);
        QCOMPARE(adm.ledger.balance(70), -1000.0);
        QCOMPARE(adm.ledger.balance(100), 1000.0);
        checkLastLine(adm, 1, 70, 101, "Beginbalans", 1000.0);
        checkInBalance(adm);
    }

    void openingInventoryRecomputesItsTotal()
    {
        TempAdministration adm;
        QVERIFY(OpeningBalance(adm.data, adm.ledger)
                    .postFinancialAccount(16, "Beginbalans", day(), 250.0));
        QCOMPARE(adm.ledger.balance(133), 250.0);
        QCOMPARE(adm.ledger.balance(130), 250.0);
    }

    void openingPayableAndReceivable()
    {
        TempAdministration adm;
        OpeningBalance opening(adm.data, adm.ledger);
        QVERIFY(opening.postOpenItem(0, "drukker", day(), 50.0));
        QCOMPARE(adm.ledger.balance(201), -50.0);
        QCOMPARE(adm.ledger.balance(70), 50.0);
        checkLastLine(adm, 1, 201, 70, "drukker", 50.0);
        checkOpenItem(adm.data.betalentabel, "drukker", 50.0);

        const BooksResult result = opening.postOpenItem(1, "subsidie", day(), 75.0);
        QVERIFY(result);
        QCOMPARE(result.lastJournalNumber, 2);
        QCOMPARE(adm.ledger.balance(211), 75.0);
        QCOMPARE(adm.ledger.balance(70), -25.0);
        checkLastLine(adm, 2, 70, 211, "subsidie", 75.0);
        checkOpenItem(adm.data.ontvangentabel, "subsidie", 75.0);
        checkInBalance(adm);
    }

    void refusedPostingsBookNothing_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("option");
        QTest::addColumn<double>("amount");
        QTest::newRow("opening, zero amount") << 0 << 0 << 0.0;
        QTest::newRow("opening, amount below a cent") << 0 << 0 << 0.004;
        QTest::newRow("opening, no option") << 0 << -1 << 10.0;
        QTest::newRow("open item, zero amount") << 1 << 0 << 0.0;
        QTest::newRow("open item, no option") << 1 << 2 << 10.0;
        QTest::newRow("purchase, zero amount") << 2 << 0 << 0.0;
        QTest::newRow("purchase, no option") << 2 << 15 << 10.0;
        QTest::newRow("depreciation, zero amount") << 3 << 0 << 0.0;
        QTest::newRow("depreciation, no option") << 3 << 9 << 10.0;
    }
    void refusedPostingsBookNothing()
    {
        QFETCH(int, window);
        QFETCH(int, option);
        QFETCH(double, amount);
        TempAdministration adm;
        BooksResult result;
        switch (window) {
        case 0:
            result = OpeningBalance(adm.data, adm.ledger)
                         .postFinancialAccount(option, "x", day(), amount);
            break;
        case 1:
            result = OpeningBalance(adm.data, adm.ledger).postOpenItem(option, "x", day(), amount);
            break;
        case 2:
            result = InventoryPurchase(adm.data, adm.ledger).post(0, option, "x", day(), amount);
            break;
        default:
            result = Depreciation(adm.data, adm.ledger).post(option, "x", day(), amount);
        }
        QVERIFY(!result);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(adm.data.journaaltabel.unfilteredCount(), 0);
        QCOMPARE(adm.data.betalentabel.unfilteredCount(), 0);
        QCOMPARE(adm.data.ontvangentabel.unfilteredCount(), 0);
    }

    void purchaseFromTheBank()
    {
        TempAdministration adm;
        QVERIFY(OpeningBalance(adm.data, adm.ledger)
                    .postFinancialAccount(0, "Beginbalans", day(), 2000.0));
        const BooksResult result =
            InventoryPurchase(adm.data, adm.ledger).post(0, 0, "beamer", day(), 1200.0);
        QVERIFY2(result, qPrintable(result.error));
        QCOMPARE(result.lastJournalNumber, 2);
        QCOMPARE(adm.ledger.balance(101), 800.0);
        QCOMPARE(adm.ledger.balance(131), 1200.0);
        QCOMPARE(adm.ledger.balance(100), 800.0);
        QCOMPARE(adm.ledger.balance(130), 1200.0);
        QCOMPARE(adm.data.betalentabel.unfilteredCount(), 0);
        checkLastLine(adm, 2, 101, 131, "beamer", 1200.0);
    }

    void purchaseOnAccountAddsAnOpenPayable()
    {
        TempAdministration adm;
        QVERIFY(OpeningBalance(adm.data, adm.ledger)
                    .postFinancialAccount(9, "Beginbalans", day(), 100.0));
        QVERIFY(InventoryPurchase(adm.data, adm.ledger).post(4, 14, "tent", day(), 350.0));
        QCOMPARE(adm.ledger.balance(201), -350.0);
        QCOMPARE(adm.ledger.balance(135), 350.0);
        QCOMPARE(adm.ledger.balance(130), 350.0);
        QCOMPARE(adm.ledger.balance(100), 0.0);
        QCOMPARE(adm.ledger.balance(110), 100.0);
        checkOpenItem(adm.data.betalentabel, "tent", 350.0);
        checkLastLine(adm, 2, 201, 135, "tent", 350.0);
        checkInBalance(adm);
    }

    void aFailingStepUndoesTheWholePurchase()
    {
        TempAdministration adm;
        // The open payable cannot be written, so the journal line and the balances booked
        // just before it must go too.
        QVERIFY(adm.data.Database1.exec("CREATE TRIGGER weiger BEFORE INSERT ON tebetalen "
                                        "BEGIN SELECT RAISE(ABORT, 'geweigerd'); END"));
        const BooksResult result =
            InventoryPurchase(adm.data, adm.ledger).post(0, 14, "tent", day(), 350.0);
        QVERIFY(!result);
        QVERIFY(result.error.contains("geweigerd"));
        QCOMPARE(adm.data.journaaltabel.unfilteredCount(), 0);
        QCOMPARE(adm.ledger.balance(201), 0.0);
        QCOMPARE(adm.ledger.balance(131), 0.0);
    }

    void depreciationOnItsPairedAccount()
    {
        TempAdministration adm;
        QVERIFY(OpeningBalance(adm.data, adm.ledger)
                    .postFinancialAccount(16, "Beginbalans", day(), 1000.0));
        const BooksResult result =
            Depreciation(adm.data, adm.ledger).post(2, "Afschrijvingen", day(), 240.0);
        QVERIFY2(result, qPrintable(result.error));
        QCOMPARE(adm.ledger.balance(133), 760.0);
        QCOMPARE(adm.ledger.balance(493), 240.0);
        QCOMPARE(adm.ledger.balance(130), 760.0);
        QCOMPARE(adm.ledger.balance(490), 240.0);
        checkLastLine(adm, 2, 133, 493, "Afschrijvingen", 240.0);
        checkInBalance(adm);
    }

    void depreciationAboveTheBalanceLeavesItNegative()
    {
        TempAdministration adm;
        QVERIFY(Depreciation(adm.data, adm.ledger).post(8, "Afschrijvingen", day(), 99.0));
        QCOMPARE(adm.ledger.balance(139), -99.0);
        QCOMPARE(adm.ledger.balance(499), 99.0);
        QCOMPARE(adm.ledger.balance(130), -99.0);
    }
};

QTEST_GUILESS_MAIN(TestBooksPostings)
#include "test_books_postings.moc"
