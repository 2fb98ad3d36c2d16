#include "gui/widgets/separator_check_list.h"

#include <QHeaderView>
#include <QKeyEvent>

SeparatorCheckList::SeparatorCheckList(QWidget* parent) : QTableWidget(parent)
{
    setColumnCount(3);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(BalanceColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(TotalColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (row != previousRow)
                    emit selectedRowChanged(row);
            });
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { checkClickedRow(row); });
}

void SeparatorCheckList::setRows(int rows, const QList<int>& separatorRows)
{
    m_separators = separatorRows;
    m_checked = -1;
    clearContents();
    setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = NameColumn; column <= TotalColumn; ++column) {
            auto* item = new QTableWidgetItem;
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (column == NameColumn && !isSeparatorRow(row)) {
                flags |= Qt::ItemIsUserCheckable;
                item->setCheckState(Qt::Unchecked);
            }
            if (column != NameColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFlags(flags);
            setItem(row, column, item);
        }
    }
}

void SeparatorCheckList::setHeadings(const QString& names, const QString& balances)
{
    setHorizontalHeaderLabels({names, balances, QString()});
}

QTableWidgetItem* SeparatorCheckList::cell(int row, int column)
{
    return item(row, column);
}

const QTableWidgetItem* SeparatorCheckList::cell(int row, int column) const
{
    return item(row, column);
}

void SeparatorCheckList::setRowText(int row, const QString& text)
{
    if (QTableWidgetItem* item = cell(row, NameColumn); item && !isSeparatorRow(row))
        item->setText(text);
}

QString SeparatorCheckList::rowText(int row) const
{
    const QTableWidgetItem* item = cell(row, NameColumn);
    return item ? item->text() : QString();
}

void SeparatorCheckList::setRowBalance(int row, const QString& text, const QColor& colour)
{
    if (QTableWidgetItem* item = cell(row, BalanceColumn)) {
        item->setText(text);
        item->setForeground(colour);
    }
}

QString SeparatorCheckList::balanceText(int row) const
{
    const QTableWidgetItem* item = cell(row, BalanceColumn);
    return item ? item->text() : QString();
}

QColor SeparatorCheckList::balanceColour(int row) const
{
    const QTableWidgetItem* item = cell(row, BalanceColumn);
    return item ? item->foreground().color() : QColor();
}

void SeparatorCheckList::setRowTotal(int row, const QString& text, const QColor& colour)
{
    QTableWidgetItem* item = cell(row, TotalColumn);
    if (!item)
        return;
    item->setText(text);
    item->setForeground(colour);
    // The rule above a group total is the font's overline: it spans exactly the figure.
    QFont font = this->font();
    font.setOverline(!text.isEmpty());
    item->setFont(font);
}

QString SeparatorCheckList::totalText(int row) const
{
    const QTableWidgetItem* item = cell(row, TotalColumn);
    return item ? item->text() : QString();
}

bool SeparatorCheckList::showsRule(int row) const
{
    const QTableWidgetItem* item = cell(row, TotalColumn);
    return item && item->font().overline();
}

void SeparatorCheckList::setCheckedRow(int row)
{
    if (row >= 0 && (row >= rowCount() || isSeparatorRow(row)))
        return;
    if (row == m_checked)
        return;
    if (QTableWidgetItem* old = cell(m_checked, NameColumn))
        old->setCheckState(Qt::Unchecked);
    m_checked = row;
    if (QTableWidgetItem* now = cell(row, NameColumn))
        now->setCheckState(Qt::Checked);
    emit checkedRowChanged(row);
}

void SeparatorCheckList::setSelectedRow(int row)
{
    setCurrentCell(row, NameColumn);
}

void SeparatorCheckList::checkClickedRow(int row)
{
    if (isSeparatorRow(row))
        return;
    setCheckedRow(row);
    // The indicator was toggled by the click itself; the list decides, not the toggle.
    if (QTableWidgetItem* item = cell(row, NameColumn))
        item->setCheckState(Qt::Checked);
}

void SeparatorCheckList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && currentRow() >= 0) {
        checkClickedRow(currentRow());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}
