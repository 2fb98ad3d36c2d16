#include "report/text_saver.h"

#include "report/export_file.h"
#include "report/page_text_lines.h"
#include "report/report_document.h"

#include <cmath>

namespace {
// About the width of one character of the usual 10-point print.
constexpr double kColumnWidthMm = 2.0;

int columnOf(double mm, double leftMm)
{
    return qMax(0, int(std::lround((mm - leftMm) / kColumnWidthMm)));
}

QString lineText(const PageTextLines::Line& line, const ReportDocument& document, double leftMm)
{
    QString text;
    for (const PageItem* item : line) {
        const bool rightAligned = document.style(item->style).alignment & Qt::AlignRight;
        int column = rightAligned ? columnOf(item->rect.right(), leftMm) - int(item->text.size())
                                  : columnOf(item->rect.left(), leftMm);
        // Texts never run into each other, even where the print packs them tightly.
        const int earliest = text.isEmpty() ? 0 : int(text.size()) + 1;
        column = qMax(column, earliest);
        text += QString(column - text.size(), QLatin1Char(' '));
        text += item->text;
    }
    return text;
}
} // namespace

QString TextSaver::toText(const ReportDocument& document)
{
    const double left = document.pageSettings().bodyRectMm().left();
    QString text;
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            text += QLatin1Char('\f');
        for (const PageTextLines::Line& line : PageTextLines::linesOf(document.page(i)))
            text += lineText(line, document, left) + QLatin1Char('\n');
    }
    return text;
}

bool TextSaver::save(const ReportDocument& document, const QString& fileName, QString* error)
{
    return ExportFile::write(fileName, toText(document).toUtf8(), error);
}
