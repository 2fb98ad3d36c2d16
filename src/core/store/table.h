#pragma once

#include <QDate>
#include <QHash>
#include <QObject>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

#include "core/store/field_def.h"
#include "core/store/statement.h"

class Database;

// A cursor over one table of the database, shared by every window: the current record,
// the filter and the edit state belong to the table, not to a view. Views bind to it through
// its signals (see TableModel). Failing operations return false, keep the message in
// lastError() and emit errorOccurred() so the GUI can show it.
class Table : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        Inactive,
        Browse,
        Edit,
        Insert,
    };

    Table(Database* database, TableSchema schema, QObject* parent = nullptr);
    ~Table() override;

    Database* database() const { return m_db; }
    const TableSchema& schema() const { return m_schema; }
    QString tableName() const { return m_schema.name; }
    QString lastError() const { return m_error; }

    // Structure.
    bool exists() const;
    bool createTable();
    bool deleteTable();
    bool emptyTable();
    // Copies structure, indexes and records into the database file `fileName` (created
    // when missing) under `targetName`, replacing a table of that name there.
    bool copyTo(const QString& fileName, const QString& targetName);
    bool addIndex(const IndexDef& index);
    bool indexExists(const QString& name) const;
    bool selectIndex(const QString& name);
    QString selectedIndex() const { return m_selectedIndex; }

    // Opening. The before-open hook runs each time the table is about to open.
    void setBeforeOpen(std::function<void(Table&)> hook) { m_beforeOpen = std::move(hook); }
    bool open();
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    // Filter. A text that does not parse leaves the filter in force as it was.
    bool setFilter(const QString& text);
    QString filter() const { return m_filterText; }
    void setFiltered(bool filtered);
    bool isFiltered() const { return m_filtered; }
    void setCaseInsensitiveFilter(bool caseInsensitive);
    bool caseInsensitiveFilter() const { return m_caseInsensitive; }

    // Navigation; every move posts a pending edit first.
    bool first();
    bool last();
    bool next();
    bool prior();
    bool moveToRow(int row); // 0-based row under filter and order
    // Moves to the record whose key on the selected (numeric) index equals `key`, else to
    // the first with a greater key, else to the last record.
    bool findNearest(double key);
    // Moves to the record with this SQLite rowid when it passes the filter.
    bool moveToRowId(qint64 rowId);
    bool bof() const;
    bool eof() const;
    int recNo() const; // 0 when there is no current record
    int row() const;
    int recordCount() const;
    // Records in the table whatever the filter.
    int unfilteredCount() const;
    qint64 currentRowId() const;

    // Editing.
    bool edit();
    bool append();
    bool insert();
    bool post();
    void cancel();
    bool deleteRecord();
    bool refresh();

    // Fields, by name without regard to case.
    QVariant value(const QString& field) const;
    double asFloat(const QString& field) const;
    QString asString(const QString& field) const;
    int asInteger(const QString& field) const;
    QDate asDate(const QString& field) const;
    bool asBoolean(const QString& field) const;
    bool setValue(const QString& field, const QVariant& value);
    // The text a grid shows: ",0.00" amounts, dd-mm-yyyy dates, whole numbers without
    // decimals.
    QString displayText(const QString& field) const;
    static QString displayText(const FieldDef& field, const QVariant& value);

    // Row access for views, 0-based under filter and order.
    QVariant valueAt(int row, int field) const;

signals:
    void recordsReset();
    void currentChanged(int row);
    void rowChanged(int row);
    void rowInserted(int row);
    void rowRemoved(int row);
    void stateChanged();
    void errorOccurred(const QString& message);

private:
    bool fail(const QString& message);
    bool requireActive();
    bool postPendingEdit();
    bool reloadRows(bool notify = true);
    // The row list is read when first needed, so opening a long table that nobody walks
    // costs nothing.
    void ensureRows() const;
    qint64 loadedRowId() const;
    void positionAt(int row);
    void clearCaches();
    QVariantList fetchRow(qint64 rowId) const;
    const QVariantList& currentValues() const;
    QString selectList() const;
    QString orderClause(bool filtered) const;
    bool filterRestricts() const;
    int sortFieldIndex() const;
    int storedIndex(int field) const;
    bool sortIsNumeric() const;
    QVariant storedValue(const FieldDef& field, const QVariant& value) const;
    QVariant lookupValue(const FieldDef& field, const QVariantList& values) const;
    bool rowPassesFilter(qint64 rowId);
    void placeInsertedRow(qint64 rowId, const QVariantList& values);

    Database* m_db;
    TableSchema m_schema;
    QString m_error;
    std::function<void(Table&)> m_beforeOpen;
    QString m_selectedIndex;

    State m_state = State::Inactive;
    QString m_filterText;
    QString m_filterSql;
    QVariantList m_filterParams;
    bool m_filtered = false;
    bool m_caseInsensitive = false;

    std::vector<qint64> m_rows; // rowids under filter and order
    std::vector<double> m_keys; // sort keys beside m_rows when the order is numeric
    int m_pos = -1;
    bool m_rowsLoaded = false;
    bool m_bof = true;
    bool m_eof = true;

    QVariantList m_buffer;       // the record being edited or inserted
    QVariantList m_editOriginal; // the record as it was when editing began
    mutable QVariantList m_current;
    mutable qint64 m_currentRowId = -1;
    mutable QHash<qint64, QVariantList> m_rowCache;
    mutable Statement m_fetchStmt;
    Statement m_updateStmt;
    Statement m_insertStmt;
    mutable Statement m_countStmt;
};
