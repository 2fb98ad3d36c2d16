#pragma once

#include <QWidget>

class Table;
class QToolButton;

// The record navigator under a grid: first, prior, next, last and refresh on a shared table.
// Every move posts a pending edit of the record being left.
class TableNavigator : public QWidget
{
    Q_OBJECT
public:
    explicit TableNavigator(Table& table, QWidget* parent = nullptr);

private:
    QToolButton* addButton(const QString& objectName, const QString& text, const QString& toolTip,
                           bool (Table::*action)());

    Table& m_table;
};
