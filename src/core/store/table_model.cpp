#include "core/store/table_model.h"

#include "core/store/table.h"

TableModel::TableModel(Table* table, const QStringList& fields, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_fields(fields)
{
    for (const QString& f : fields)
        m_fieldIndexes << table->schema().fieldIndex(f);
    m_rows = table->recordCount();
    connect(table, &Table::recordsReset, this, [this] {
        beginResetModel();
        m_rows = m_table->recordCount();
        endResetModel();
    });
    connect(table, &Table::rowInserted, this, [this](int row) {
        beginInsertRows({}, row, row);
        m_rows = m_table->recordCount();
        endInsertRows();
    });
    connect(table, &Table::rowRemoved, this, [this](int row) {
        beginRemoveRows({}, row, row);
        m_rows = m_table->recordCount();
        endRemoveRows();
    });
    connect(table, &Table::rowChanged, this,
            [this](int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); });
    connect(table, &Table::stateChanged, this, [this] {
        const int row = m_table->row();
        if (row >= 0 && row < m_rows)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(table, &Table::currentChanged, this, &TableModel::currentRowChanged);
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

int TableModel::fieldIndex(int column) const
{
    return m_fieldIndexes.value(column, -1);
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    const int f = fieldIndex(index.column());
    if (!index.isValid() || f < 0 || index.row() >= m_rows)
        return QVariant();
    const QVariant value = m_table->valueAt(index.row(), f);
    switch (role) {
    case Qt::DisplayRole:
        return Table::displayText(m_table->schema().fields[f], value);
    case Qt::EditRole:
        return value;
    case Qt::TextAlignmentRole:
        if (m_table->schema().fields[f].type == FieldType::Float)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    return m_headers.value(section, m_fields.value(section));
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable.contains(m_fields.value(index.column()), Qt::CaseInsensitive))
        f |= Qt::ItemIsEditable;
    return f;
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (m_table->row() != index.row() && !m_table->moveToRow(index.row()))
        return false;
    return m_table->edit() && m_table->setValue(m_fields[index.column()], value);
}

int TableModel::currentRow() const
{
    return m_table->row();
}

bool TableModel::setCurrentRow(int row)
{
    return m_table->moveToRow(row);
}
