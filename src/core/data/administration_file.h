#pragma once

#include <QString>

// Making and checking an administration's database file.
namespace AdministrationFile {
// Creates the directory and the file with the eight tables and the whole chart of
// accounts under its default names. Returns an empty text or a Dutch error message.
QString create(const QString& fileName);
// Checks, without writing anything, that the file is an SQLite database holding all eight
// tables. Returns an empty text or a Dutch error message naming the file.
QString check(const QString& fileName);
} // namespace AdministrationFile
