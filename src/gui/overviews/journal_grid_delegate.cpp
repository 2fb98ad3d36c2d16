#include "gui/overviews/journal_grid_delegate.h"

#include <QPainter>

void JournalGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    if (!(option.state & QStyle::State_Selected)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem selected(option);
    initStyleOption(&selected, index);
    selected.state &= ~QStyle::State_Selected;
    selected.backgroundBrush = QBrush(Qt::white);
    selected.palette.setColor(QPalette::Text, selectedTextColour());
    const QWidget* grid = option.widget;
    selected.font.setBold(grid && !grid->hasFocus());
    painter->fillRect(option.rect, Qt::white);
    QStyledItemDelegate::paint(painter, selected, index);
}
