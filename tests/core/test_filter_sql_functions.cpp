#include "core/amount_format.h"
#include "core/store/sql_functions.h"

#include <QtTest>
#include <sqlite3.h>

class TestFilterSqlFunctions : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(sqlite3_open(":memory:", &m_db) == SQLITE_OK);
        QVERIFY(registerSqlFunctions(m_db));
    }
    void cleanup()
    {
        sqlite3_close(m_db);
        AmountFormat::setDutchAmounts(false);
    }

    void displayTexts_data();
    void displayTexts();
    void separatorsAreReadAtEveryCall();

private:
    QString evaluate(const QString& expression, sqlite3_stmt** keep = nullptr);

    sqlite3* m_db = nullptr;
};

QString TestFilterSqlFunctions::evaluate(const QString& expression, sqlite3_stmt** keep)
{
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = ("SELECT " + expression).toUtf8();
    if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sqlite3_errmsg(m_db)));
    QString result = QStringLiteral("<no row>");
    if (sqlite3_step(statement) == SQLITE_ROW)
        result = sqlite3_column_type(statement, 0) == SQLITE_NULL
                     ? QStringLiteral("<null>")
                     : QString::fromUtf8(
                           reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    if (keep) {
        sqlite3_reset(statement);
        *keep = statement;
    } else {
        sqlite3_finalize(statement);
    }
    return result;
}

void TestFilterSqlFunctions::displayTexts_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("dutchAmounts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fold ASCII") << "fx_fold('JanSen 12')" << false << "jansen 12";
    QTest::newRow("fold accents") << "fx_fold('ÖZTÜRK Één')" << false << "öztürk één";
    QTest::newRow("fold Greek final sigma")
        << "fx_fold('ΣΊΣΥΦΟΣ')" << false << QString("ΣΊΣΥΦΟΣ").toCaseFolded();
    QTest::newRow("fold NULL") << "fx_fold(NULL)" << false << "<null>";
    QTest::newRow("date") << "fx_date('2024-03-05')" << false << "05-03-2024";
    QTest::newRow("date empty") << "fx_date('')" << false << "";
    QTest::newRow("date NULL") << "fx_date(NULL)" << false << "";
    QTest::newRow("date not ISO kept") << "fx_date('5 maart')" << false << "5 maart";
    QTest::newRow("amount") << "fx_amount(1234.5)" << false << "1,234.50";
    QTest::newRow("amount Dutch") << "fx_amount(1234.5)" << true << "1.234,50";
    QTest::newRow("amount negative") << "fx_amount(-0.5)" << false << "-0.50";
    QTest::newRow("amount whole integer") << "fx_amount(1000000)" << true << "1.000.000,00";
    QTest::newRow("amount NULL") << "fx_amount(NULL)" << false << "";
    QTest::newRow("number whole") << "fx_number(5.0)" << false << "5";
    QTest::newRow("number negative whole") << "fx_number(-701.0)" << false << "-701";
    QTest::newRow("number decimal") << "fx_number(12.5)" << false << "12.5";
    QTest::newRow("number decimal Dutch") << "fx_number(12.5)" << true << "12,5";
    QTest::newRow("number no float noise")
        << "fx_number(0.1 + 0.2)" << false << "0.30000000000000004";
    QTest::newRow("number large, no grouping") << "fx_number(1234567.0)" << true << "1234567";
    QTest::newRow("number NULL") << "fx_number(NULL)" << false << "";
}

void TestFilterSqlFunctions::displayTexts()
{
    QFETCH(QString, expression);
    QFETCH(bool, dutchAmounts);
    QFETCH(QString, expected);

    AmountFormat::setDutchAmounts(dutchAmounts);
    QCOMPARE(evaluate(expression), expected);
}

void TestFilterSqlFunctions::separatorsAreReadAtEveryCall()
{
    sqlite3_stmt* statement = nullptr;
    QCOMPARE(evaluate("fx_amount(1234.5) || ' ' || fx_number(2.5)", &statement),
             QStringLiteral("1,234.50 2.5"));
    AmountFormat::setDutchAmounts(true);
    QCOMPARE(sqlite3_step(statement), SQLITE_ROW);
    QCOMPARE(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))),
             QStringLiteral("1.234,50 2,5"));
    sqlite3_finalize(statement);
}

QTEST_GUILESS_MAIN(TestFilterSqlFunctions)
#include "test_filter_sql_functions.moc"
