#pragma once

#include "report/report_page.h"

#include <QList>

// Groups a page's text items into printed lines, for the exports that have no positions
// (plain text, CSV): items whose vertical middles lie close together share a line.
class PageTextLines
{
public:
    using Line = QList<const PageItem*>;
    static QList<Line> linesOf(const ReportPage& page);
};
