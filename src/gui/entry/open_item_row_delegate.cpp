#include "gui/entry/open_item_row_delegate.h"

#include <QAbstractItemView>

OpenItemRowDelegate::OpenItemRowDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), m_view(view)
{
}

void OpenItemRowDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.row() != m_view->currentIndex().row())
        return;
    option->state &= ~QStyle::State_Selected;
    option->backgroundBrush = QBrush(Qt::white);
    option->palette.setColor(QPalette::Text, Qt::red);
    option->font.setBold(!m_view->hasFocus());
}
