#pragma once

#include <QTableView>

class TableModel;

// The grid of open items: whole rows, never edited in place. "s" or "S" marks the current
// item for merging; Ctrl+Delete asks to delete it.
class OpenItemGrid : public QTableView
{
    Q_OBJECT
public:
    explicit OpenItemGrid(QWidget* parent = nullptr);

    // Binds the grid to the model and keeps the grid's row and the table's record together.
    void bind(TableModel* model);
    TableModel* tableModel() const { return m_model; }

signals:
    void markPressed();
    void deletePressed();
    void rowClicked(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void followTable(int row);

    TableModel* m_model = nullptr;
};
