#pragma once

#include <QString>

class ReportDocument;

// Exports the pages as comma-separated values: one record per printed line, its texts from
// left to right as fields. Fields holding a comma, a quote, a line break or edge blanks
// are quoted, with quotes doubled.
class CsvSaver
{
public:
    static QString quoted(const QString& field);
    static QString toCsv(const ReportDocument& document);
    // Written as UTF-8 with a byte-order mark, so spreadsheet programs read "€" right.
    static bool save(const ReportDocument& document, const QString& fileName,
                     QString* error = nullptr);
};
