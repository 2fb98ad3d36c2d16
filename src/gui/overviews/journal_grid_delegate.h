#pragma once

#include <QStyledItemDelegate>

// Draws the selected journal line in red on white, bold while the grid does not have the
// keyboard focus, so the line the editors work on stays visible while the user types.
class JournalGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    static QColor selectedTextColour() { return QColor(Qt::red); }
};
