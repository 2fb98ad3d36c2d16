#include "report/page_text_lines.h"

#include <algorithm>

namespace {
// Texts of one printed line may differ a little in height (a bold total beside a plain
// caption); more than this apart they belong to different lines.
constexpr double kSameLineToleranceMm = 1.5;

bool readingOrder(const PageItem* a, const PageItem* b)
{
    if (a->rect.center().y() != b->rect.center().y())
        return a->rect.center().y() < b->rect.center().y();
    return a->rect.left() < b->rect.left();
}
} // namespace

QList<PageTextLines::Line> PageTextLines::linesOf(const ReportPage& page)
{
    QList<const PageItem*> texts;
    for (const PageItem& item : page.items()) {
        if (item.kind == PageItemKind::Text && !item.text.isEmpty())
            texts.append(&item);
    }
    std::stable_sort(texts.begin(), texts.end(), readingOrder);

    QList<Line> lines;
    double lineMiddle = 0;
    for (const PageItem* item : texts) {
        const double middle = item->rect.center().y();
        if (lines.isEmpty() || middle - lineMiddle > kSameLineToleranceMm) {
            lines.append(Line());
            lineMiddle = middle;
        }
        lines.last().append(item);
    }
    for (Line& line : lines)
        std::stable_sort(line.begin(), line.end(), [](const PageItem* a, const PageItem* b) {
            return a->rect.left() < b->rect.left();
        });
    return lines;
}
