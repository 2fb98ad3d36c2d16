#include "gui/setup/account_row_delegate.h"

#include <QWidget>

void AccountRowDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!(option->state & QStyle::State_Selected))
        return;
    // Drawn as an ordinary row with our own colours: the style's highlight would hide them.
    option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    option->backgroundBrush = selectedBackground();
    option->palette.setColor(QPalette::Text, selectedText());
    const auto* view = qobject_cast<const QWidget*>(option->widget);
    option->font.setBold(view && view->hasFocus());
}
