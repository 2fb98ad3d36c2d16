#pragma once

struct sqlite3;

// Names of the SQL functions that filters use to see a row the way the grid shows it.
namespace SqlFunctions {
inline constexpr const char* fold = "fx_fold";     // Unicode case fold of a text
inline constexpr const char* amount = "fx_amount"; // ",0.00" text under the separators in force
inline constexpr const char* date = "fx_date";     // ISO yyyy-MM-dd as dd-mm-yyyy
inline constexpr const char* number = "fx_number"; // plain text of a non-amount number
} // namespace SqlFunctions

// Registers the fx_ functions on one connection; every connection that runs filters needs
// them. Returns false when SQLite refuses one of them.
bool registerSqlFunctions(sqlite3* db);
