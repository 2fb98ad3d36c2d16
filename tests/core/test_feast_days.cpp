#include "core/feast_days.h"

#include <QtTest>

class TestFeastDays : public QObject
{
    Q_OBJECT

private slots:
    void easterSundayOfKnownYears_data();
    void easterSundayOfKnownYears();
    void holidaysOf2024();
    void easterIsASundayInItsWindowEveryYear();
    void yearsOutsideTheFormulaHaveNoDates_data();
    void yearsOutsideTheFormulaHaveNoDates();
};

void TestFeastDays::easterSundayOfKnownYears_data()
{
    // Checked against the anonymous Gregorian (Meeus/Butcher) computus.
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("easter");
    QTest::newRow("1583") << 1583 << QDate(1583, 4, 10);
    QTest::newRow("1600") << 1600 << QDate(1600, 4, 2);
    QTest::newRow("1700") << 1700 << QDate(1700, 4, 11);
    QTest::newRow("1800") << 1800 << QDate(1800, 4, 13);
    QTest::newRow("1818 earliest") << 1818 << QDate(1818, 3, 22);
    QTest::newRow("1943 latest") << 1943 << QDate(1943, 4, 25);
    QTest::newRow("1954") << 1954 << QDate(1954, 4, 18);
    QTest::newRow("1961") << 1961 << QDate(1961, 4, 2);
    QTest::newRow("2000") << 2000 << QDate(2000, 4, 23);
    QTest::newRow("2008") << 2008 << QDate(2008, 3, 23);
    QTest::newRow("2011") << 2011 << QDate(2011, 4, 24);
    QTest::newRow("2024") << 2024 << QDate(2024, 3, 31);
    QTest::newRow("2025") << 2025 << QDate(2025, 4, 20);
    QTest::newRow("2038 latest") << 2038 << QDate(2038, 4, 25);
    QTest::newRow("2099") << 2099 << QDate(2099, 4, 12);
    QTest::newRow("2285 earliest") << 2285 << QDate(2285, 3, 22);
}

void TestFeastDays::easterSundayOfKnownYears()
{
    QFETCH(int, year);
    QFETCH(QDate, easter);
    const FeastDays days = ComputeFeastDays(year);
    QCOMPARE(days.year, year);
    QCOMPARE(days.easterSunday, easter);
}

void TestFeastDays::holidaysOf2024()
{
    const FeastDays days = ComputeFeastDays(2024);
    QCOMPARE(days.goodFriday, QDate(2024, 3, 29));
    QCOMPARE(days.easterSunday, QDate(2024, 3, 31));
    QCOMPARE(days.easterMonday, QDate(2024, 4, 1));
    QCOMPARE(days.ascensionDay, QDate(2024, 5, 9));
    QCOMPARE(days.whitSunday, QDate(2024, 5, 19));
    QCOMPARE(days.whitMonday, QDate(2024, 5, 20));
}

void TestFeastDays::easterIsASundayInItsWindowEveryYear()
{
    for (int year = 1583; year <= 9999; ++year) {
        const QDate easter = ComputeFeastDays(year).easterSunday;
        QVERIFY2(easter.isValid(), qPrintable(QString::number(year)));
        QCOMPARE(easter.dayOfWeek(), int(Qt::Sunday));
        QVERIFY2(easter >= QDate(year, 3, 22) && easter <= QDate(year, 4, 25),
                 qPrintable(easter.toString(Qt::ISODate)));
    }
}

void TestFeastDays::yearsOutsideTheFormulaHaveNoDates_data()
{
    QTest::addColumn<int>("year");
    QTest::newRow("before the calendar") << 1582;
    QTest::newRow("year zero") << 0;
    QTest::newRow("negative") << -2024;
    QTest::newRow("five digits") << 10000;
}

void TestFeastDays::yearsOutsideTheFormulaHaveNoDates()
{
    QFETCH(int, year);
    const FeastDays days = ComputeFeastDays(year);
    QCOMPARE(days.year, year);
    QVERIFY(!days.goodFriday.isValid());
    QVERIFY(!days.easterSunday.isValid());
    QVERIFY(!days.whitMonday.isValid());
}

QTEST_APPLESS_MAIN(TestFeastDays)
#include "test_feast_days.moc"
