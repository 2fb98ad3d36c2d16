#pragma once

#include "report/banded_report.h"
#include "report/memory_data_source.h"
#include "report/report_document.h"
#include "report/report_label.h"

#include <QStringList>

// Helpers shared by the report tests: numbered records and the texts of a page area.
namespace ReportTestSupport {

inline MemoryDataSource numberedRecords(int count)
{
    MemoryDataSource source(
        {QStringLiteral("Nr"), QStringLiteral("Omschrijving"), QStringLiteral("Bedrag")});
    for (int i = 0; i < count; ++i)
        source.addRecord({i, QStringLiteral("regel %1").arg(i), 1.5 * i});
    return source;
}

inline QStringList textsOf(const ReportDocument& document)
{
    QStringList texts;
    for (const ReportPage& page : document.pages())
        texts += page.textsInReadingOrder();
    return texts;
}

inline int countText(const ReportPage& page, const QString& text)
{
    int count = 0;
    for (const PageItem& item : page.items())
        count += item.kind == PageItemKind::Text && item.text == text;
    return count;
}

} // namespace ReportTestSupport
