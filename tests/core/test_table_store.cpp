#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "core/amount_format.h"
#include "core/data/administration_file.h"
#include "core/data/data_module.h"
#include "core/data/schema.h"
#include "core/store/table_model.h"
#include "core/store/transaction.h"
#include "support/temp_administration.h"

class TestTableStore : public QObject
{
    Q_OBJECT

private:
    static void addMember(Table& t, const QString& name)
    {
        QVERIFY(t.append());
        QVERIFY(t.setValue("Naam", name));
        QVERIFY(t.post());
    }

private slots:
    void newAdministrationHasTheWholeChart()
    {
        TempAdministration adm;
        Table& r = adm.data.rekeningtabel;
        QCOMPARE(r.recordCount(), 120);
        QVERIFY(r.findNearest(70));
        QCOMPARE(r.asString("Naam"), QString("Eigen vermogen"));
        QVERIFY(r.findNearest(100));
        QCOMPARE(r.asString("Naam"), QString("Banken"));
        QVERIFY(r.findNearest(130));
        QCOMPARE(r.asString("Naam"), QString("Inventaris / middelen"));
        for (Table* t : adm.data.tables())
            QVERIFY2(t->isActive(), qPrintable(t->tableName()));
    }

    void nearestKeySearch_data()
    {
        QTest::addColumn<double>("key");
        QTest::addColumn<int>("found");
        QTest::newRow("exact") << 211.0 << 211;
        QTest::newRow("between goes to the next greater") << 300.0 << 400;
        QTest::newRow("below the first") << 1.0 << 70;
        QTest::newRow("beyond the last goes to the last") << 5000.0 << 901;
    }
    void nearestKeySearch()
    {
        QFETCH(double, key);
        QFETCH(int, found);
        TempAdministration adm;
        QVERIFY(adm.data.rekeningtabel.findNearest(key));
        QCOMPARE(adm.data.rekeningtabel.asInteger("nummer"), found);
    }

    void textLongerThanItsFieldIsCutOnPost()
    {
        TempAdministration adm;
        Table& r = adm.data.rekeningtabel;
        QVERIFY(r.findNearest(401));
        QVERIFY(r.edit());
        QVERIFY(r.setValue("NAAM", QString(50, 'x')));
        QVERIFY(r.post());
        QCOMPARE(r.asString("Naam"), QString(40, 'x'));
    }

    void movingPostsAPendingEdit()
    {
        TempAdministration adm;
        Table& r = adm.data.rekeningtabel;
        QVERIFY(r.findNearest(402));
        QVERIFY(r.edit());
        QVERIFY(r.setValue("Naam", "Gewijzigd"));
        QVERIFY(r.next());
        QCOMPARE(r.state(), Table::State::Browse);
        QVERIFY(r.findNearest(402));
        QCOMPARE(r.asString("Naam"), QString("Gewijzigd"));
    }

    void cancelDropsTheEdit()
    {
        TempAdministration adm;
        Table& r = adm.data.rekeningtabel;
        QVERIFY(r.findNearest(403));
        const QString before = r.asString("Naam");
        QVERIFY(r.edit());
        QVERIFY(r.setValue("Naam", "weg"));
        r.cancel();
        QCOMPARE(r.asString("Naam"), before);
    }

    void navigationAndBounds()
    {
        TempAdministration adm;
        Table& o = adm.data.ontvangentabel;
        QVERIFY(o.first());
        QVERIFY(o.bof());
        QVERIFY(o.eof());
        QCOMPARE(o.recNo(), 0);
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(o.append());
            QVERIFY(o.setValue("Omschrijving", QString("post %1").arg(i)));
            QVERIFY(o.setValue("Bedrag", i * 10.0));
            QVERIFY(o.post());
        }
        QCOMPARE(o.recordCount(), 3);
        QVERIFY(o.first());
        QCOMPARE(o.asString("Omschrijving"), QString("post 1"));
        QVERIFY(o.next());
        QVERIFY(o.next());
        QVERIFY(!o.eof());
        QVERIFY(o.next());
        QVERIFY(o.eof());
        QCOMPARE(o.recNo(), 3);
        QVERIFY(o.prior());
        QCOMPARE(o.asString("Omschrijving"), QString("post 2"));
        QVERIFY(o.deleteRecord());
        QCOMPARE(o.recordCount(), 2);
        QCOMPARE(o.asString("Omschrijving"), QString("post 3"));
    }

    void lookupFieldsShowAccountNames()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "contributie", QDate(2024, 1, 5), 25.0));
        Table& j = adm.data.journaaltabel;
        QCOMPARE(j.asString("van"), QString("Contributies"));
        QCOMPARE(j.asString("naar"), QString("Bank 1"));
        // A number with no account shows an empty name.
        QVERIFY(j.edit());
        QVERIFY(j.setValue("Naarrekening", 999.0));
        QVERIFY(j.post());
        QCOMPARE(j.asString("naar"), QString());
    }

    void amountsShowInTheFormatInForce()
    {
        TempAdministration adm;
        Table& r = adm.data.rekeningtabel;
        QVERIFY(r.findNearest(101));
        QVERIFY(r.edit());
        QVERIFY(r.setValue("saldo", 1234.5));
        QVERIFY(r.post());
        QCOMPARE(r.displayText("saldo"), QString("1,234.50"));
        AmountFormat::setDutchAmounts(true);
        QCOMPARE(r.displayText("saldo"), QString("1.234,50"));
        AmountFormat::setDutchAmounts(false);
    }

    void caseOfFilterDependsOnTheTable()
    {
        TempAdministration adm;
        addMember(adm.data.ledentabel, "Öztürk");
        addMember(adm.data.ledentabel, "Jansen");
        Table& leden = adm.data.ledentabel;
        QVERIFY(leden.setFilter("Naam LIKE '%öztürk%'"));
        leden.setFiltered(true);
        QCOMPARE(leden.recordCount(), 1);
        QCOMPARE(leden.asString("Naam"), QString("Öztürk"));

        Table& r = adm.data.rekeningtabel;
        QVERIFY(r.setFilter("Naam LIKE '%banken%'"));
        r.setFiltered(true);
        QCOMPARE(r.recordCount(), 0);
        QVERIFY(r.setFilter("Naam LIKE '%Banken%'"));
        QCOMPARE(r.recordCount(), 1);
        r.setFiltered(false);
        QCOMPARE(r.recordCount(), 120);
    }

    void badFilterKeepsThePreviousOne()
    {
        TempAdministration adm;
        for (int i = 0; i < 5; ++i)
            QVERIFY(adm.ledger.PostJournalEntry(701, 101, "x", QDate(2024, 1, 1), 1.0));
        Table& j = adm.data.journaaltabel;
        QVERIFY(j.setFilter("JrNr >= 3"));
        QCOMPARE(j.recordCount(), 3);
        QSignalSpy errors(&j, &Table::errorOccurred);
        QVERIFY(!j.setFilter("JrNr >= 1) OR (1=1"));
        QCOMPARE(errors.count(), 1);
        QVERIFY(!j.lastError().isEmpty());
        QCOMPARE(j.filter(), QString("JrNr >= 3"));
        QCOMPARE(j.recordCount(), 3);
    }

    void insertedRowsFollowTheFilterAndOrder()
    {
        TempAdministration adm;
        Table& leden = adm.data.ledentabel;
        addMember(leden, "Pietersen");
        addMember(leden, "de Boer");
        addMember(leden, "Aalders");
        QVERIFY(leden.first());
        QCOMPARE(leden.asString("Naam"), QString("Aalders"));
        QVERIFY(leden.setFilter("Naam LIKE '%sen%'"));
        leden.setFiltered(true);
        QCOMPARE(leden.recordCount(), 1);
        addMember(leden, "Jansen");
        addMember(leden, "Bakker");
        QCOMPARE(leden.recordCount(), 2);
        QCOMPARE(leden.unfilteredCount(), 5);
    }

    void journalWithoutItsIndexGetsItOnOpen()
    {
        QTemporaryDir dir;
        const QString file = DataModule::administrationFile(dir.path(), 1);
        QCOMPARE(AdministrationFile::create(file), QString());
        {
            DataModule data;
            data.SelectAdministration(dir.path(), 1);
            QCOMPARE(data.OpenAllTables(), QString());
            QVERIFY(data.Database1.exec("DROP INDEX journaal_JRN"));
            data.CloseAllTables();
            // Lines written out of order show in number order once the index is back.
            QVERIFY(data.Database1.connect());
            QVERIFY(data.Database1.exec(
                "INSERT INTO journaal (JrNr, Omschrijving) VALUES (2, 'twee'), (1, 'een')"));
            data.Database1.disconnect();
        }
        DataModule data;
        data.journaaltabel.selectIndex(QString());
        data.SelectAdministration(dir.path(), 1);
        QCOMPARE(data.OpenAllTables(), QString());
        QCOMPARE(data.journaaltabel.selectedIndex(), QString("JRN"));
        QVERIFY(data.journaaltabel.indexExists("JRN"));
        QVERIFY(data.journaaltabel.first());
        QCOMPARE(data.journaaltabel.asString("Omschrijving"), QString("een"));
    }

    void foreignFilesAreRefusedUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("sqlite");
        QTest::newRow("not a database")
            << QByteArray("dit is geen database\n").repeated(300) << false;
        QTest::newRow("sqlite without our tables") << QByteArray() << true;
    }
    void foreignFilesAreRefusedUntouched()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, sqlite);
        QTemporaryDir dir;
        const QString file = DataModule::administrationFile(dir.path(), 0);
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (sqlite) {
            Database other("ander");
            other.setFileName(file);
            QVERIFY(other.create());
            QVERIFY(other.connect());
            QVERIFY(other.exec("CREATE TABLE leden (Naam TEXT)"));
            other.disconnect();
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();

        DataModule data;
        data.SelectAdministration(dir.path(), 0);
        const QString error = data.OpenAllTables();
        QVERIFY(!error.isEmpty());
        QVERIFY2(error.contains(file), qPrintable(error));
        QVERIFY(!data.allTablesOpen());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void copyTableCarriesStructureIndexesAndRecords()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "a", QDate(2024, 2, 1), 5.0));
        QVERIFY(adm.ledger.PostJournalEntry(701, 102, "b", QDate(2024, 2, 2), 6.0));
        const QString target = adm.dir.filePath("kopie.abs");
        QVERIFY2(adm.data.journaaltabel.copyTo(target, "journaal"),
                 qPrintable(adm.data.journaaltabel.lastError()));
        // The journal's account names come from the accounts table, so a backup takes both.
        QVERIFY(adm.data.rekeningtabel.copyTo(target, "rekeningen"));
        Database copy("kopie");
        copy.setFileName(target);
        QVERIFY(copy.connect());
        Table t(&copy, Schema::journaal());
        QVERIFY(t.indexExists("JRN"));
        QVERIFY(t.selectIndex("JRN"));
        QVERIFY2(t.open(), qPrintable(t.lastError()));
        QCOMPARE(t.recordCount(), 2);
        QVERIFY(t.last());
        QCOMPARE(t.asString("Omschrijving"), QString("b"));
        QCOMPARE(t.asString("naar"), QString("Bank 2"));
    }

    void rollbackRestoresTheCursorsView()
    {
        TempAdministration adm;
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "blijft", QDate(2024, 3, 1), 5.0));
        {
            Transaction t(adm.data.Database1);
            QVERIFY(adm.ledger.PostJournalEntry(701, 101, "weg", QDate(2024, 3, 2), 7.0));
            QCOMPARE(adm.data.journaaltabel.recordCount(), 2);
        }
        QCOMPARE(adm.data.journaaltabel.recordCount(), 1);
        QCOMPARE(adm.ledger.balance(101), 5.0);
    }

    void modelFollowsTheTable()
    {
        TempAdministration adm;
        Table& j = adm.data.journaaltabel;
        TableModel model(&j, {"JrNr", "Datum", "Omschrijving", "van", "Bedrag"});
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "huur zaal", QDate(2024, 4, 2), 1234.5));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0, 1)).toString(), QString("02-04-2024"));
        QCOMPARE(model.data(model.index(0, 3)).toString(), QString("Contributies"));
        QCOMPARE(model.data(model.index(0, 4)).toString(), QString("1,234.50"));
        QCOMPARE(model.currentRow(), 0);
        QVERIFY(adm.ledger.PostJournalEntry(701, 101, "tweede", QDate(2024, 4, 3), 1.0));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.currentRow(), 1);
        QVERIFY(j.setFilter("Omschrijving LIKE '%HUUR%'"));
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(model.setCurrentRow(0));
        QCOMPARE(j.asString("Omschrijving"), QString("huur zaal"));
    }
};

QTEST_GUILESS_MAIN(TestTableStore)
#include "test_table_store.moc"
