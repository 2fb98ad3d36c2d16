#include "core/store/table_sql.h"

#include <QStringList>

namespace TableSql {

QString columnType(FieldType type)
{
    switch (type) {
    case FieldType::Float:
        return QStringLiteral("REAL");
    case FieldType::Boolean:
        return QStringLiteral("INTEGER");
    default:
        return QStringLiteral("TEXT");
    }
}

QString indexName(const QString& tableName, const QString& index)
{
    return tableName + QLatin1Char('_') + index;
}

QString createIndexStatement(const QString& tableName, const IndexDef& index,
                             const QString& databaseAlias)
{
    return QStringLiteral("CREATE INDEX %1.\"%2\" ON \"%3\" (\"%4\"%5)")
        .arg(databaseAlias, indexName(tableName, index.name), tableName, index.field,
             index.descending ? QStringLiteral(" DESC") : QString());
}

QString createStatements(const TableSchema& schema, const QString& tableName,
                         const QString& databaseAlias)
{
    QStringList columns;
    for (const FieldDef& f : schema.fields)
        if (f.isStored())
            columns << QStringLiteral("\"%1\" %2").arg(f.name, columnType(f.type));
    QString sql = QStringLiteral("CREATE TABLE %1.\"%2\" (%3);")
                      .arg(databaseAlias, tableName, columns.join(QStringLiteral(", ")));
    for (const IndexDef& index : schema.indexes)
        sql += createIndexStatement(tableName, index, databaseAlias) + QLatin1Char(';');
    return sql;
}

} // namespace TableSql
