#pragma once

#include "report/page_item.h"

#include <QList>
#include <QStringList>

// One laid-out page: its number and its items in painting order.
class ReportPage
{
public:
    explicit ReportPage(int number = 0) : m_number(number) {}

    int number() const { return m_number; }
    const QList<PageItem>& items() const { return m_items; }
    void addItem(PageItem item) { m_items.append(std::move(item)); }

    // The first text item whose text is exactly the given one, or null.
    const PageItem* findText(const QString& text) const;
    QList<const PageItem*> itemsOfKind(PageItemKind kind) const;
    // The texts top to bottom and, on one line, left to right.
    QStringList textsInReadingOrder() const;

private:
    int m_number = 0;
    QList<PageItem> m_items;
};
