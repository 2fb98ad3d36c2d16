#pragma once

#include <QList>
#include <QStringList>

#include "core/store/field_def.h"

// The eight tables of an administration, with their fields, widths, indexes and display
// formats. The field order is the order in the file.
namespace Schema {
TableSchema leden();
TableSchema rekeningen();
TableSchema journaal();
TableSchema teontvangen();
TableSchema tebetalen();
TableSchema mailtjes();
TableSchema hulp();
TableSchema begroting();
// In the order the tables are opened and closed.
QList<TableSchema> all();
QStringList tableNames();
// The twelve month fields of one year row: prefix "A" (previous year), "" (current) or
// "V" (next year); for example Ajan, Jan, Vjan.
QStringList monthFields(const QString& prefix);
} // namespace Schema
