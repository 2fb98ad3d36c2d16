#pragma once

#include <QString>

#include "core/store/field_def.h"

// The SQL that gives a table its structure in an SQLite file.
namespace TableSql {
QString columnType(FieldType type);
// CREATE TABLE plus the schema's indexes, for `tableName` in the attached database
// `databaseAlias` ("main" for the connection's own file).
QString createStatements(const TableSchema& schema, const QString& tableName,
                         const QString& databaseAlias = QStringLiteral("main"));
QString createIndexStatement(const QString& tableName, const IndexDef& index,
                             const QString& databaseAlias = QStringLiteral("main"));
// SQLite index names are global to a file; ours carry the table name in front.
QString indexName(const QString& tableName, const QString& index);
} // namespace TableSql
