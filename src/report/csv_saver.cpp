#include "report/csv_saver.h"

#include "report/export_file.h"
#include "report/page_text_lines.h"
#include "report/report_document.h"

QString CsvSaver::quoted(const QString& field)
{
    const bool needsQuotes = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                             field.contains(QLatin1Char('\n')) ||
                             field.contains(QLatin1Char('\r')) || field != field.trimmed();
    if (!needsQuotes)
        return field;
    QString text = field;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString CsvSaver::toCsv(const ReportDocument& document)
{
    QString csv;
    for (const ReportPage& page : document.pages()) {
        for (const PageTextLines::Line& line : PageTextLines::linesOf(page)) {
            QStringList fields;
            for (const PageItem* item : line)
                fields.append(quoted(item->text));
            csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        }
    }
    return csv;
}

bool CsvSaver::save(const ReportDocument& document, const QString& fileName, QString* error)
{
    return ExportFile::write(fileName, QByteArray("\xEF\xBB\xBF") + toCsv(document).toUtf8(),
                             error);
}
