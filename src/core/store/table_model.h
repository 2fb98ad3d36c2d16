#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class Table;

// Shows a shared table under its filter and order to a grid, one column per named field,
// and follows the table's current record both ways: moving the table moves the grid's row,
// and setCurrentRow moves the table.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    TableModel(Table* table, const QStringList& fields, QObject* parent = nullptr);

    Table* table() const { return m_table; }
    void setHeaders(const QStringList& headers) { m_headers = headers; }
    QString fieldAt(int column) const { return m_fields.value(column); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Columns that may be edited in place; none by default.
    void setEditableFields(const QStringList& fields) { m_editable = fields; }

    int currentRow() const;
    bool setCurrentRow(int row);

signals:
    void currentRowChanged(int row);

private:
    int fieldIndex(int column) const;

    Table* m_table;
    QStringList m_fields;
    QList<int> m_fieldIndexes;
    QStringList m_headers;
    QStringList m_editable;
    int m_rows = 0;
};
