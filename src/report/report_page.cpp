#include "report/report_page.h"

#include "report/page_text_lines.h"

const PageItem* ReportPage::findText(const QString& text) const
{
    for (const PageItem& item : m_items) {
        if (item.kind == PageItemKind::Text && item.text == text)
            return &item;
    }
    return nullptr;
}

QList<const PageItem*> ReportPage::itemsOfKind(PageItemKind kind) const
{
    QList<const PageItem*> found;
    for (const PageItem& item : m_items) {
        if (item.kind == kind)
            found.append(&item);
    }
    return found;
}

QStringList ReportPage::textsInReadingOrder() const
{
    QStringList texts;
    for (const auto& line : PageTextLines::linesOf(*this)) {
        for (const PageItem* item : line)
            texts.append(item->text);
    }
    return texts;
}
