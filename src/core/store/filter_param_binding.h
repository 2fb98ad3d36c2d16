#pragma once

#include <QVariantList>

struct sqlite3_stmt;

// Binds a compiled filter's parameters to the statement's placeholders, the first one to
// placeholder `firstIndex` (1-based, as SQLite counts). Returns false when SQLite refuses.
bool bindFilterParams(sqlite3_stmt* statement, const QVariantList& params, int firstIndex = 1);
