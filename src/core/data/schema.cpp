#include "core/data/schema.h"

namespace Schema {
namespace {

FieldDef text(const QString& name, int width)
{
    FieldDef f;
    f.name = name;
    f.type = FieldType::Text;
    f.width = width;
    return f;
}

FieldDef number(const QString& name, bool amount = false)
{
    FieldDef f;
    f.name = name;
    f.type = FieldType::Float;
    f.amountFormat = amount;
    return f;
}

FieldDef typed(const QString& name, FieldType type)
{
    FieldDef f;
    f.name = name;
    f.type = type;
    return f;
}

FieldDef accountName(const QString& name, const QString& keyField)
{
    FieldDef f;
    f.name = name;
    f.type = FieldType::Lookup;
    f.width = 40;
    f.keyField = keyField;
    f.lookupTable = QStringLiteral("rekeningen");
    f.lookupKey = QStringLiteral("Nummer");
    f.lookupResult = QStringLiteral("Naam");
    return f;
}

const QStringList kMonths = {"jan", "feb", "mrt", "apr", "mei", "jun",
                             "jul", "aug", "sep", "okt", "nov", "dec"};

TableSchema openItems(const QString& name)
{
    return {name,
            {typed("Datum", FieldType::Date), text("Omschrijving", 40), number("Bedrag", true),
             text("Sel", 1)},
            {}};
}

} // namespace

QStringList monthFields(const QString& prefix)
{
    QStringList names;
    for (const QString& m : kMonths) {
        if (prefix.isEmpty())
            names << m.left(1).toUpper() + m.mid(1);
        else
            names << prefix + m;
    }
    return names;
}

TableSchema leden()
{
    TableSchema s{"leden",
                  {text("Naam", 40), text("Voornaam", 30), text("Straat", 40), text("Pcode", 10),
                   text("Plaats", 40), text("Email", 60), text("BankGiro", 15),
                   text("GebDatum", 20), text("Telefoon1", 12), text("Telefoon2", 12),
                   text("SoortLid", 15), text("Contributie", 15)},
                  {{"NAAM", "Naam", false}}};
    for (int i = 1; i <= 10; ++i)
        s.fields << text(QStringLiteral("KM%1").arg(i), 40);
    for (const QString& prefix : {QStringLiteral("A"), QString(), QStringLiteral("V")})
        for (const QString& m : monthFields(prefix))
            s.fields << typed(m, FieldType::Boolean);
    return s;
}

TableSchema rekeningen()
{
    return {"rekeningen",
            {number("Nummer"), text("Naam", 40), number("saldo", true),
             typed("Altijdtonen", FieldType::Boolean)},
            {{"NUMMER", "Nummer", false}}};
}

TableSchema journaal()
{
    return {"journaal",
            {number("JrNr"), typed("Datum", FieldType::Date), text("Omschrijving", 40),
             number("Vanrekening"), number("Naarrekening"), number("Bedrag", true),
             accountName("van", "Vanrekening"), accountName("naar", "Naarrekening")},
            {{"JRN", "JrNr", false}}};
}

TableSchema teontvangen()
{
    return openItems("teontvangen");
}

TableSchema tebetalen()
{
    return openItems("tebetalen");
}

TableSchema mailtjes()
{
    return {"mailtjes",
            {text("Mnaam", 40), typed("Datum", FieldType::Date), text("Tijd", 8),
             text("Madres", 60), text("Monderwerp", 60), typed("Mmail", FieldType::Memo)},
            {}};
}

TableSchema hulp()
{
    return {"hulp",
            {number("JrNr"), typed("datum", FieldType::Date), text("Omschrijving", 40),
             number("Bedrag", true)},
            {}};
}

TableSchema begroting()
{
    TableSchema s{
        "begroting", {text("jaar", 4), text("Omschrijving", 40)}, {{"JAAR", "jaar", true}}};
    for (int i = 1; i <= 40; ++i)
        s.fields << number(QStringLiteral("ink%1").arg(i, 2, 10, QLatin1Char('0')), true);
    for (int i = 1; i <= 40; ++i)
        s.fields << number(QStringLiteral("uit%1").arg(i, 2, 10, QLatin1Char('0')), true);
    return s;
}

QList<TableSchema> all()
{
    return {leden(),     rekeningen(), journaal(), teontvangen(),
            begroting(), tebetalen(),  mailtjes(), hulp()};
}

QStringList tableNames()
{
    QStringList names;
    for (const TableSchema& s : all())
        names << s.name;
    return names;
}

} // namespace Schema
