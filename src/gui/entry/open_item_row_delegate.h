#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// Draws the grid's current row red on white, bold while the grid does not have the focus,
// so the item a posting will settle stays plain to see.
class OpenItemRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit OpenItemRowDelegate(QAbstractItemView* view);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QAbstractItemView* m_view;
};
