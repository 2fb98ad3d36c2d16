#include "gui/entry/open_item_grid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "core/store/table_model.h"
#include "gui/entry/open_item_row_delegate.h"

OpenItemGrid::OpenItemGrid(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new OpenItemRowDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit rowClicked(index.row()); });
}

void OpenItemGrid::bind(TableModel* model)
{
    m_model = model;
    setModel(model);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && m_model->currentRow() != current.row())
                    m_model->setCurrentRow(current.row());
            });
    connect(model, &TableModel::currentRowChanged, this, &OpenItemGrid::followTable);
    connect(model, &QAbstractItemModel::modelReset, this,
            [this] { followTable(m_model->currentRow()); });
    followTable(model->currentRow());
}

void OpenItemGrid::followTable(int row)
{
    if (row < 0 || row >= model()->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    if (currentIndex().row() != row)
        setCurrentIndex(index);
    selectRow(row);
    scrollTo(index);
    viewport()->update();
}

void OpenItemGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_S && !(event->modifiers() & Qt::ControlModifier)) {
        emit markPressed();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
        emit deletePressed();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// The current row is drawn bold only while the grid lacks the focus.
void OpenItemGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void OpenItemGrid::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}
