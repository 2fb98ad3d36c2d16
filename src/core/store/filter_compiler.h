#pragma once

#include "core/store/field_def.h"

#include <QString>
#include <QVariantList>

struct FilterCompileResult
{
    bool ok = false;
    QString whereSql;    // empty for "no filter"; otherwise a condition with '?' placeholders
    QVariantList params; // bound in order: double, qlonglong or QString values only
    QString error;       // Dutch, for the user, when ok is false
};

// Translates a filter text of the table's filter language into an SQL condition on the
// table's fields. Case-insensitive tables compare texts after full Unicode case folding;
// LIKE on date and number fields matches the text the grid shows for them. An empty text
// means no filter. A text that does not parse gives ok = false and never a partial filter.
FilterCompileResult compileFilter(const QString& text, const TableSchema& schema,
                                  bool caseInsensitive);
