#pragma once

#include <QList>
#include <QString>

enum class FieldType
{
    Float,   // double; account numbers, line numbers and amounts
    Text,    // a text of at most `width` characters; longer texts are cut on post
    Date,    // stored as ISO text yyyy-MM-dd, shown as dd-mm-yyyy
    Boolean, // stored as 0/1
    Memo,    // text without a length limit
    Lookup,  // not stored: a field of another table's record found by key
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::Text;
    int width = 0;             // characters, for Text and Lookup
    bool amountFormat = false; // shown with ",0.00"
    // Lookup fields only: the value is `lookupResult` of the record of `lookupTable` whose
    // `lookupKey` equals this table's `keyField`; no such record gives an empty text.
    QString keyField;
    QString lookupTable;
    QString lookupKey;
    QString lookupResult;

    bool isStored() const { return type != FieldType::Lookup; }
};

struct IndexDef
{
    QString name;  // "NAAM", "JRN", ...
    QString field; // the key field
    bool descending = false;
};

struct TableSchema
{
    QString name;
    QList<FieldDef> fields;
    QList<IndexDef> indexes;

    // Field names are matched without regard to case; -1 when there is no such field.
    int fieldIndex(const QString& fieldName) const
    {
        for (int i = 0; i < fields.size(); ++i)
            if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    const FieldDef* field(const QString& fieldName) const
    {
        const int i = fieldIndex(fieldName);
        return i < 0 ? nullptr : &fields[i];
    }
    // The SQL expression that yields the field's value for a row of this table: the quoted
    // column for stored fields, a correlated sub-select for lookup fields.
    QString sqlExpression(const FieldDef& f) const
    {
        if (f.isStored())
            return QStringLiteral("\"%1\".\"%2\"").arg(name, f.name);
        return QStringLiteral("COALESCE((SELECT \"%1\" FROM \"%2\" WHERE \"%3\" = \"%4\".\"%5\" "
                              "LIMIT 1), '')")
            .arg(f.lookupResult, f.lookupTable, f.lookupKey, name, f.keyField);
    }
};
