#pragma once

#include <QColor>
#include <QList>
#include <QTableWidget>

// An account list with radio-style checks: one row is checked at a time and clicking a row
// checks it. Separator rows have no text and cannot be checked, but can be selected. Beside
// each row a balance column, and on separator rows a total column with a short rule above
// the figure.
class SeparatorCheckList : public QTableWidget
{
    Q_OBJECT
public:
    enum Column
    {
        NameColumn,
        BalanceColumn,
        TotalColumn,
    };

    explicit SeparatorCheckList(QWidget* parent = nullptr);

    void setRows(int rows, const QList<int>& separatorRows);
    void setHeadings(const QString& names, const QString& balances);
    bool isSeparatorRow(int row) const { return m_separators.contains(row); }

    void setRowText(int row, const QString& text);
    QString rowText(int row) const;
    void setRowBalance(int row, const QString& text, const QColor& colour);
    QString balanceText(int row) const;
    QColor balanceColour(int row) const;
    // The group total on a separator row; an empty text removes figure and rule.
    void setRowTotal(int row, const QString& text, const QColor& colour);
    QString totalText(int row) const;
    bool showsRule(int row) const;

    // The checked row, or -1.
    int checkedRow() const { return m_checked; }
    // Checks a row that is no separator, unchecking the others; -1 unchecks all.
    void setCheckedRow(int row);
    // The selected row (which may be a separator row), or -1.
    int selectedRow() const { return currentRow(); }
    void setSelectedRow(int row);

signals:
    void selectedRowChanged(int row);
    void checkedRowChanged(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTableWidgetItem* cell(int row, int column);
    const QTableWidgetItem* cell(int row, int column) const;
    void checkClickedRow(int row);

    QList<int> m_separators;
    int m_checked = -1;
};
