#include "core/ledger/search_filter_text.h"
#include "core/store/field_def.h"
#include "core/store/filter_compiler.h"

#include <QtTest>

namespace {

QStringList list(const char* items)
{
    return QString::fromUtf8(items).split(QChar('|'));
}

// Every field a text field: enough to prove the built text is one the filter language reads.
TableSchema schemaWith(const QStringList& fields)
{
    TableSchema schema;
    schema.name = QStringLiteral("t");
    for (const QString& name : fields) {
        FieldDef f;
        f.name = name;
        schema.fields << f;
    }
    return schema;
}

} // namespace

class TestSearchFilterText : public QObject
{
    Q_OBJECT

private slots:
    void buildsText_data();
    void buildsText();
    void usesOnlyCountPositions();
};

void TestSearchFilterText::buildsText_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("operators");
    QTest::addColumn<QString>("expected");

    const QStringList journalFields = list("JrNr|JrNr|Omschrijving|Vanrekening|Naarrekening");
    const QStringList journalOperators = list(">=|<=|LIKE|=|=");
    QTest::newRow("journal overview")
        << journalFields << list("5||huur||101") << journalOperators
        << "( JrNr >= 5 ) AND ( JrNr = NULL OR JrNr <> NULL ) AND ( Omschrijving LIKE '%huur%' ) "
           "AND ( Vanrekening = NULL OR Vanrekening <> NULL ) AND ( Naarrekening = 101 )";
    QTest::newRow("journal overview, all empty")
        << journalFields << list("||||") << journalOperators
        << "( JrNr = NULL OR JrNr <> NULL ) AND ( JrNr = NULL OR JrNr <> NULL ) AND ( "
           "Omschrijving = NULL OR Omschrijving <> NULL ) AND ( Vanrekening = NULL OR "
           "Vanrekening <> NULL ) AND ( Naarrekening = NULL OR Naarrekening <> NULL )";
    QTest::newRow("all LIKE boxes empty, trailing blank")
        << list("Datum|Omschrijving|Bedrag") << list("||") << list("LIKE|LIKE|LIKE")
        << "( Datum = NULL OR Datum <> NULL ) AND ( Omschrijving = NULL OR Omschrijving <> NULL "
           ") AND ( Bedrag = NULL OR Bedrag <> NULL ) ";
    QTest::newRow("quote in a LIKE value")
        << list("Omschrijving") << list("d'r") << list("LIKE") << "( Omschrijving LIKE '%d''r%' )";
    QTest::newRow("other operator's value as typed")
        << list("Omschrijving") << list("'x'") << list("=") << "( Omschrijving = 'x' )";
    QTest::newRow("blank is a value")
        << list("Naam") << list(" ") << list("LIKE") << "( Naam LIKE '% %' )";
    QTest::newRow("LIKE pair opener")
        << list("Naam|Voornaam|Plaats") << list("jan|jan|") << list("LIKE OR|LIKE|LIKE")
        << "(( Naam LIKE '%jan%' ) OR ( Voornaam LIKE '%jan%' )) AND ( Plaats = NULL OR Plaats "
           "<> NULL ) ";
    QTest::newRow("= pair opener, pair closed by the last")
        << list("Vanrekening|Naarrekening") << list("101|101") << list("= OR|=")
        << "(( Vanrekening = 101 ) OR ( Naarrekening = 101 ))";
    QTest::newRow("pair closed by an empty box")
        << list("Vanrekening|Naarrekening|Omschrijving") << list("101||x") << list("= OR|=|LIKE")
        << "(( Vanrekening = 101 ) OR ( Naarrekening = NULL OR Naarrekening <> NULL )) AND ( "
           "Omschrijving LIKE '%x%' )";
    QTest::newRow("pair closed by an empty last LIKE box, no trailing blank")
        << list("Naam|Voornaam") << list("jan|") << list("LIKE OR|LIKE")
        << "(( Naam LIKE '%jan%' ) OR ( Voornaam = NULL OR Voornaam <> NULL ))";
    QTest::newRow("pair opener with an empty box")
        << list("Naam|Voornaam|Plaats") << list("|jan|") << list("LIKE OR|LIKE|=")
        << "(( Naam = NULL OR Naam <> NULL ) OR ( Voornaam LIKE '%jan%' )) AND ( Plaats = NULL "
           "OR Plaats <> NULL )";
    QTest::newRow("openers in a row join one pair")
        << list("Naam|Voornaam|Plaats|Email") << list("a|7|c|d") << list("LIKE OR|= OR|LIKE|LIKE")
        << "(( Naam LIKE '%a%' ) OR ( Voornaam = 7 ) OR ( Plaats LIKE '%c%' )) AND ( Email LIKE "
           "'%d%' )";
    QTest::newRow("opener in the last position")
        << list("Naam|Voornaam") << list("a|b") << list("LIKE|LIKE OR")
        << "( Naam LIKE '%a%' ) AND ( Voornaam LIKE '%b%' )";
}

void TestSearchFilterText::buildsText()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, values);
    QFETCH(QStringList, operators);
    QFETCH(QString, expected);

    const QString text = buildSearchFilterText(int(fields.size()), fields, values, operators);
    QCOMPARE(text, expected);

    const FilterCompileResult compiled = compileFilter(text, schemaWith(fields), true);
    QVERIFY2(compiled.ok, qPrintable(compiled.error));
}

// The callers hand over arrays of 17 and say how many positions count.
void TestSearchFilterText::usesOnlyCountPositions()
{
    QStringList fields = list("Naam|Voornaam");
    QStringList values = list("x|y");
    QStringList operators = list("LIKE|LIKE");
    for (int i = 2; i < 17; ++i) {
        fields << QStringLiteral("KM%1").arg(i);
        values << QStringLiteral("z");
        operators << QStringLiteral("=");
    }
    QCOMPARE(buildSearchFilterText(2, fields, values, operators),
             QStringLiteral("( Naam LIKE '%x%' ) AND ( Voornaam LIKE '%y%' )"));
    QCOMPARE(buildSearchFilterText(0, fields, values, operators), QString());
    QCOMPARE(buildSearchFilterText(3, list("Naam|Voornaam"), list("x|y"), list("LIKE|LIKE")),
             QStringLiteral("( Naam LIKE '%x%' ) AND ( Voornaam LIKE '%y%' )"));
}

QTEST_GUILESS_MAIN(TestSearchFilterText)
#include "test_search_filter_text.moc"
