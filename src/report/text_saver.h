#pragma once

#include <QString>

class ReportDocument;

// Exports the pages as plain text: each printed line one text line, the texts at about
// their printed columns, pages separated by a form feed.
class TextSaver
{
public:
    static QString toText(const ReportDocument& document);
    static bool save(const ReportDocument& document, const QString& fileName,
                     QString* error = nullptr);
};
