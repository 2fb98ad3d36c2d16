#pragma once

#include <QStyledItemDelegate>

// Draws the selected row of the accounts grid yellow with red text, bold while the grid has
// the focus, so the account the name box edits is plain to see among the coloured rows.
class AccountRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static QColor selectedBackground() { return QColor(Qt::yellow); }
    static QColor selectedText() { return QColor(Qt::red); }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
