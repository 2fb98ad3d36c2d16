#include "core/store/table.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <sqlite3.h>

#include "core/amount_format.h"
#include "core/store/database.h"
#include "core/store/filter_compiler.h"
#include "core/store/table_sql.h"

namespace {
constexpr int kRowCacheLimit = 2048;

QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace('"', "\"\"") + QLatin1Char('"');
}
} // namespace

Table::Table(Database* database, TableSchema schema, QObject* parent)
    : QObject(parent), m_db(database), m_schema(std::move(schema))
{
    connect(m_db, &Database::aboutToDisconnect, this, &Table::close);
    connect(m_db, &Database::rolledBack, this, [this] {
        if (!isActive())
            return;
        m_buffer.clear();
        m_state = State::Browse;
        reloadRows();
        emit stateChanged();
    });
}

Table::~Table() = default;

bool Table::fail(const QString& message)
{
    m_error = message;
    emit errorOccurred(message);
    return false;
}

bool Table::requireActive()
{
    if (isActive())
        return true;
    return fail(QStringLiteral("Tabel %1 is niet geopend.").arg(m_schema.name));
}

// ---- structure --------------------------------------------------------------------------

bool Table::exists() const
{
    if (!m_db->isConnected())
        return false;
    Statement st(m_db->handle(),
                 QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
    st.bind(1, m_schema.name);
    return st.step();
}

bool Table::createTable()
{
    QString error;
    if (!m_db->exec(TableSql::createStatements(m_schema, m_schema.name), &error))
        return fail(error);
    return true;
}

bool Table::deleteTable()
{
    close();
    QString error;
    if (!m_db->exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoted(m_schema.name)), &error))
        return fail(error);
    return true;
}

bool Table::emptyTable()
{
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    QString error;
    if (!m_db->exec(QStringLiteral("DELETE FROM %1").arg(quoted(m_schema.name)), &error))
        return fail(error);
    if (isActive())
        reloadRows();
    return true;
}

bool Table::copyTo(const QString& fileName, const QString& targetName)
{
    if (!postPendingEdit())
        return false;
    if (!QFileInfo::exists(fileName)) {
        Database target(QStringLiteral("kopie"));
        target.setFileName(fileName);
        QString error;
        if (!target.create(&error))
            return fail(error);
    }
    Statement attach(m_db->handle(), QStringLiteral("ATTACH DATABASE ? AS copytarget"));
    attach.bind(1, fileName);
    if (!attach.run())
        return fail(attach.error());
    QString error;
    bool ok = m_db->begin(&error);
    if (ok) {
        TableSchema target = m_schema;
        target.name = targetName;
        ok =
            m_db->exec(QStringLiteral("DROP TABLE IF EXISTS copytarget.%1").arg(quoted(targetName)),
                       &error) &&
            m_db->exec(TableSql::createStatements(target, targetName, QStringLiteral("copytarget")),
                       &error) &&
            m_db->exec(QStringLiteral("INSERT INTO copytarget.%1 SELECT * FROM main.%2")
                           .arg(quoted(targetName), quoted(m_schema.name)),
                       &error);
        // The schema carries every index, those added later with addIndex included.
        if (ok)
            ok = m_db->commit(&error);
        else
            m_db->rollback();
    }
    m_db->exec(QStringLiteral("DETACH DATABASE copytarget"));
    return ok ? true : fail(error);
}

bool Table::addIndex(const IndexDef& index)
{
    const int f = m_schema.fieldIndex(index.field);
    if (f < 0 || !m_schema.fields[f].isStored())
        return fail(
            QStringLiteral("Veld %1 bestaat niet in tabel %2.").arg(index.field, m_schema.name));
    if (indexExists(index.name))
        return fail(QStringLiteral("Index %1 bestaat al.").arg(index.name));
    QString error;
    if (!m_db->exec(TableSql::createIndexStatement(m_schema.name, index), &error))
        return fail(error);
    bool known = false;
    for (const IndexDef& existing : m_schema.indexes)
        known = known || existing.name.compare(index.name, Qt::CaseInsensitive) == 0;
    if (!known)
        m_schema.indexes.append(index);
    return true;
}

bool Table::indexExists(const QString& name) const
{
    if (!m_db->isConnected())
        return false;
    Statement st(m_db->handle(),
                 QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?"));
    st.bind(1, TableSql::indexName(m_schema.name, name));
    return st.step();
}

bool Table::selectIndex(const QString& name)
{
    if (!name.isEmpty()) {
        bool known = false;
        for (const IndexDef& index : m_schema.indexes)
            known = known || index.name.compare(name, Qt::CaseInsensitive) == 0;
        if (!known)
            return fail(
                QStringLiteral("Index %1 bestaat niet in tabel %2.").arg(name, m_schema.name));
    }
    if (!postPendingEdit())
        return false;
    m_selectedIndex = name;
    if (isActive())
        reloadRows();
    return true;
}

// ---- opening ----------------------------------------------------------------------------

bool Table::open()
{
    if (isActive())
        return true;
    if (!m_db->isConnected())
        return fail(
            QStringLiteral("Geen verbinding met de database voor tabel %1.").arg(m_schema.name));
    // A file whose index went missing must not be ordered by an index it lacks.
    if (!m_selectedIndex.isEmpty() && !indexExists(m_selectedIndex))
        m_selectedIndex.clear();
    if (m_beforeOpen)
        m_beforeOpen(*this);
    if (!exists())
        return fail(QStringLiteral("Tabel %1 ontbreekt in de database %2.")
                        .arg(m_schema.name, m_db->fileName()));
    m_state = State::Browse;
    if (!m_fetchStmt.prepare(m_db->handle(), QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                                 .arg(selectList(), quoted(m_schema.name)))) {
        m_state = State::Inactive;
        return fail(m_fetchStmt.error());
    }
    m_rows.clear();
    m_keys.clear();
    m_pos = -1;
    m_rowsLoaded = false;
    clearCaches();
    emit recordsReset();
    emit stateChanged();
    return true;
}

void Table::close()
{
    // Prepared statements belong to the connection and must go before it closes, even
    // when the table itself was never opened.
    m_countStmt = Statement();
    if (!isActive())
        return;
    m_state = State::Inactive;
    m_buffer.clear();
    m_rows.clear();
    m_keys.clear();
    m_pos = -1;
    m_rowsLoaded = false;
    m_bof = m_eof = true;
    m_fetchStmt = Statement();
    m_updateStmt = Statement();
    m_insertStmt = Statement();
    clearCaches();
    emit recordsReset();
    emit stateChanged();
}

// ---- filter -----------------------------------------------------------------------------

bool Table::setFilter(const QString& text)
{
    const FilterCompileResult compiled = compileFilter(text, m_schema, m_caseInsensitive);
    if (!compiled.ok)
        return fail(compiled.error);
    if (!postPendingEdit())
        return false;
    m_filterText = text;
    m_filterSql = compiled.whereSql;
    m_filterParams = compiled.params;
    if (isActive() && m_filtered)
        return reloadRows();
    return true;
}

void Table::setFiltered(bool filtered)
{
    if (filtered == m_filtered)
        return;
    if (!postPendingEdit())
        return;
    m_filtered = filtered;
    if (isActive())
        reloadRows();
}

void Table::setCaseInsensitiveFilter(bool caseInsensitive)
{
    if (caseInsensitive == m_caseInsensitive)
        return;
    m_caseInsensitive = caseInsensitive;
    const FilterCompileResult compiled = compileFilter(m_filterText, m_schema, m_caseInsensitive);
    if (compiled.ok) {
        m_filterSql = compiled.whereSql;
        m_filterParams = compiled.params;
        if (isActive() && m_filtered)
            reloadRows();
    }
}

// ---- rows -------------------------------------------------------------------------------

QString Table::selectList() const
{
    QStringList parts;
    for (const FieldDef& f : m_schema.fields)
        parts << m_schema.sqlExpression(f);
    return parts.join(QStringLiteral(", "));
}

int Table::sortFieldIndex() const
{
    for (const IndexDef& index : m_schema.indexes)
        if (index.name.compare(m_selectedIndex, Qt::CaseInsensitive) == 0)
            return m_schema.fieldIndex(index.field);
    return -1;
}

bool Table::sortIsNumeric() const
{
    const int f = sortFieldIndex();
    return f >= 0 && m_schema.fields[f].type == FieldType::Float;
}

bool Table::filterRestricts() const
{
    return m_filtered && !m_filterSql.isEmpty() && m_filterSql != QStringLiteral("1");
}

// Under a filter, scanning the table and sorting the few rows that pass beats walking the
// whole index, so the index is kept out of it with a unary plus.
QString Table::orderClause(bool filtered) const
{
    const int f = sortFieldIndex();
    if (f < 0)
        return QStringLiteral(" ORDER BY rowid");
    bool descending = false;
    for (const IndexDef& index : m_schema.indexes)
        if (index.name.compare(m_selectedIndex, Qt::CaseInsensitive) == 0)
            descending = index.descending;
    const FieldDef& field = m_schema.fields[f];
    const QString collate =
        field.type == FieldType::Text ? QStringLiteral(" COLLATE NOCASE") : QString();
    const QString plus =
        filtered && field.type == FieldType::Float ? QStringLiteral("+") : QString();
    return QStringLiteral(" ORDER BY %1%2%3, rowid")
        .arg(plus + m_schema.sqlExpression(field), collate,
             descending ? QStringLiteral(" DESC") : QString());
}

void Table::ensureRows() const
{
    if (isActive() && !m_rowsLoaded)
        const_cast<Table*>(this)->reloadRows(false);
}

qint64 Table::loadedRowId() const
{
    if (!m_rowsLoaded || m_pos < 0 || m_pos >= int(m_rows.size()))
        return -1;
    return m_rows[size_t(m_pos)];
}

bool Table::bof() const
{
    ensureRows();
    return m_bof;
}

bool Table::eof() const
{
    ensureRows();
    return m_eof;
}

int Table::recNo() const
{
    ensureRows();
    return m_pos + 1;
}

int Table::row() const
{
    ensureRows();
    return m_pos;
}

int Table::recordCount() const
{
    if (!isActive())
        return 0;
    if (!m_rowsLoaded && !filterRestricts())
        return unfilteredCount();
    ensureRows();
    return int(m_rows.size());
}

bool Table::reloadRows(bool notify)
{
    const qint64 keepRowId = loadedRowId();
    const bool numeric = sortIsNumeric();
    QString sql = QStringLiteral("SELECT rowid%1 FROM %2")
                      .arg(numeric ? QStringLiteral(", ") +
                                         m_schema.sqlExpression(m_schema.fields[sortFieldIndex()])
                                   : QString(),
                           quoted(m_schema.name));
    const bool useFilter = filterRestricts();
    if (useFilter)
        sql += QStringLiteral(" WHERE ") + m_filterSql;
    sql += orderClause(useFilter);
    Statement st(m_db->handle(), sql);
    if (useFilter)
        st.bindAll(m_filterParams);
    if (!st.isValid())
        return fail(st.error());
    m_rows.clear();
    m_keys.clear();
    while (st.step()) {
        m_rows.push_back(st.columnInt64(0));
        if (numeric)
            m_keys.push_back(st.columnDouble(1));
    }
    if (!st.ok())
        return fail(st.error());
    clearCaches();
    m_rowsLoaded = true;
    int row = 0;
    if (keepRowId >= 0) {
        const auto it = std::find(m_rows.begin(), m_rows.end(), keepRowId);
        row = it == m_rows.end() ? 0 : int(it - m_rows.begin());
    }
    if (notify) {
        emit recordsReset();
        positionAt(m_rows.empty() ? -1 : row);
    } else {
        // A first read changes nothing a view can see: the count was known already.
        m_pos = m_rows.empty() ? -1 : row;
    }
    m_bof = true;
    m_eof = m_rows.empty();
    return true;
}

void Table::positionAt(int row)
{
    m_pos = row;
    m_bof = false;
    m_eof = false;
    emit currentChanged(m_pos);
}

void Table::clearCaches()
{
    m_rowCache.clear();
    m_current.clear();
    m_currentRowId = -1;
}

QVariantList Table::fetchRow(qint64 rowId) const
{
    QVariantList values;
    m_fetchStmt.reset();
    m_fetchStmt.bind(1, rowId);
    if (m_fetchStmt.step()) {
        values.reserve(m_schema.fields.size());
        for (int i = 0; i < m_schema.fields.size(); ++i)
            values << m_fetchStmt.column(i);
    }
    m_fetchStmt.reset();
    return values;
}

qint64 Table::currentRowId() const
{
    ensureRows();
    if (m_pos < 0 || m_pos >= int(m_rows.size()))
        return -1;
    return m_rows[size_t(m_pos)];
}

const QVariantList& Table::currentValues() const
{
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer;
    const qint64 id = currentRowId();
    if (id != m_currentRowId) {
        m_current = id < 0 ? QVariantList() : fetchRow(id);
        m_currentRowId = id;
    }
    return m_current;
}

int Table::unfilteredCount() const
{
    if (!m_countStmt.isValid())
        m_countStmt.prepare(m_db->handle(),
                            QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(m_schema.name)));
    m_countStmt.reset();
    const int count = m_countStmt.step() ? int(m_countStmt.columnInt64(0)) : 0;
    m_countStmt.reset();
    return count;
}

// ---- navigation -------------------------------------------------------------------------

bool Table::postPendingEdit()
{
    if (m_state == State::Edit || m_state == State::Insert)
        return post();
    return true;
}

bool Table::first()
{
    ensureRows();
    if (!requireActive() || !postPendingEdit())
        return false;
    if (!m_rows.empty())
        positionAt(0);
    m_bof = true;
    m_eof = m_rows.empty();
    return true;
}

bool Table::last()
{
    ensureRows();
    if (!requireActive() || !postPendingEdit())
        return false;
    if (!m_rows.empty())
        positionAt(int(m_rows.size()) - 1);
    m_eof = true;
    m_bof = m_rows.empty();
    return true;
}

bool Table::next()
{
    ensureRows();
    if (!requireActive() || !postPendingEdit())
        return false;
    if (m_pos + 1 < int(m_rows.size())) {
        positionAt(m_pos + 1);
    } else {
        m_eof = true;
    }
    return true;
}

bool Table::prior()
{
    ensureRows();
    if (!requireActive() || !postPendingEdit())
        return false;
    if (m_pos > 0) {
        positionAt(m_pos - 1);
    } else {
        m_bof = true;
    }
    return true;
}

bool Table::moveToRow(int row)
{
    ensureRows();
    if (!requireActive() || !postPendingEdit())
        return false;
    if (row < 0 || row >= int(m_rows.size()))
        return false;
    positionAt(row);
    return true;
}

bool Table::moveToRowId(qint64 rowId)
{
    ensureRows();
    if (!requireActive() || !postPendingEdit())
        return false;
    const auto it = std::find(m_rows.begin(), m_rows.end(), rowId);
    if (it == m_rows.end())
        return false;
    positionAt(int(it - m_rows.begin()));
    return true;
}

bool Table::findNearest(double key)
{
    ensureRows();
    if (!requireActive() || !postPendingEdit())
        return false;
    if (!sortIsNumeric())
        return fail(
            QStringLiteral("Tabel %1 heeft geen numerieke index gekozen.").arg(m_schema.name));
    if (m_rows.empty())
        return true;
    const auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    positionAt(it == m_keys.end() ? int(m_keys.size()) - 1 : int(it - m_keys.begin()));
    return true;
}

// ---- editing ----------------------------------------------------------------------------

bool Table::edit()
{
    ensureRows();
    if (!requireActive())
        return false;
    if (m_state == State::Edit || m_state == State::Insert)
        return true;
    if (m_pos < 0)
        return fail(
            QStringLiteral("Tabel %1 heeft geen huidig record om te wijzigen.").arg(m_schema.name));
    m_buffer = currentValues();
    m_editOriginal = m_buffer;
    m_state = State::Edit;
    emit stateChanged();
    return true;
}

bool Table::append()
{
    ensureRows();
    if (!requireActive() || !postPendingEdit())
        return false;
    m_buffer = QVariantList();
    for (int i = 0; i < m_schema.fields.size(); ++i)
        m_buffer << QVariant();
    m_state = State::Insert;
    emit stateChanged();
    return true;
}

bool Table::insert()
{
    // Rows live in key or insertion order, so a new record finds its own place either way.
    return append();
}

void Table::cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    m_buffer.clear();
    m_state = State::Browse;
    emit stateChanged();
    emit currentChanged(m_pos);
}

int Table::storedIndex(int field) const
{
    int stored = 0;
    for (int i = 0; i < field; ++i)
        stored += m_schema.fields[i].isStored() ? 1 : 0;
    return stored;
}

QVariant Table::storedValue(const FieldDef& field, const QVariant& value) const
{
    if (!value.isValid() || value.isNull())
        return field.type == FieldType::Text || field.type == FieldType::Memo ? QVariant(QString())
                                                                              : QVariant();
    switch (field.type) {
    case FieldType::Float:
        return value.toDouble();
    case FieldType::Boolean:
        return value.toBool() ? 1 : 0;
    case FieldType::Date: {
        QDate d = value.toDate();
        if (!d.isValid())
            d = QDate::fromString(value.toString(), QStringLiteral("dd-MM-yyyy"));
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
    }
    case FieldType::Text:
        return value.toString().left(field.width);
    case FieldType::Memo:
    case FieldType::Lookup:
        return value.toString();
    }
    return value;
}

bool Table::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return true;
    QVariantList values;
    for (int i = 0; i < m_schema.fields.size(); ++i)
        if (m_schema.fields[i].isStored())
            values << storedValue(m_schema.fields[i], m_buffer.value(i));
    // Postings run these two statements many times; they are prepared once per opening.
    Statement& st = m_state == State::Edit ? m_updateStmt : m_insertStmt;
    if (!st.isValid()) {
        QStringList columns;
        for (const FieldDef& f : m_schema.fields)
            if (f.isStored())
                columns << quoted(f.name);
        if (m_state == State::Edit) {
            QStringList sets;
            for (const QString& c : columns)
                sets << c + QStringLiteral(" = ?");
            st.prepare(m_db->handle(), QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                           .arg(quoted(m_schema.name), sets.join(", ")));
        } else {
            st.prepare(m_db->handle(), QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                           .arg(quoted(m_schema.name), columns.join(", "),
                                                QStringList(columns.size(), "?").join(", ")));
        }
    }
    if (m_state == State::Edit)
        values << currentRowId();
    st.reset();
    if (!st.isValid() || !st.bindAll(values) || !st.run())
        return fail(st.error());

    const State was = m_state;
    m_state = State::Browse;
    m_buffer.clear();
    if (was == State::Insert) {
        const qint64 rowId = sqlite3_last_insert_rowid(m_db->handle());
        placeInsertedRow(rowId, values);
    } else {
        const qint64 rowId = currentRowId();
        m_rowCache.remove(rowId);
        m_currentRowId = -1;
        const int sortField = sortFieldIndex();
        const bool keyMoved = sortField >= 0 && storedValue(m_schema.fields[sortField],
                                                            m_editOriginal.value(sortField)) !=
                                                    values.value(storedIndex(sortField));
        if (keyMoved || !rowPassesFilter(rowId)) {
            // The row may have moved or left the filter; reread to find its place.
            reloadRows();
        } else {
            emit rowChanged(m_pos);
        }
    }
    emit stateChanged();
    return true;
}

bool Table::rowPassesFilter(qint64 rowId)
{
    if (!filterRestricts())
        return true;
    Statement st(m_db->handle(), QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ? AND (%2)")
                                     .arg(quoted(m_schema.name), m_filterSql));
    st.bind(1, rowId);
    st.bindAll(m_filterParams, 2);
    return st.step();
}

void Table::placeInsertedRow(qint64 rowId, const QVariantList& storedValues)
{
    if (!rowPassesFilter(rowId)) {
        emit currentChanged(m_pos);
        return;
    }
    const int sortField = sortFieldIndex();
    if (sortField < 0) {
        m_rows.push_back(rowId);
    } else if (sortIsNumeric() && !m_schema.indexes.isEmpty()) {
        bool descending = false;
        for (const IndexDef& index : m_schema.indexes)
            if (index.name.compare(m_selectedIndex, Qt::CaseInsensitive) == 0)
                descending = index.descending;
        // The key is among the values just written; no need to read the row back.
        const double key = storedValues.value(storedIndex(sortField)).toDouble();
        if (descending || (!m_keys.empty() && key < m_keys.back())) {
            reloadRows();
            moveToRowId(rowId);
            return;
        }
        m_rows.push_back(rowId);
        m_keys.push_back(key);
    } else {
        reloadRows();
        moveToRowId(rowId);
        return;
    }
    const int row = int(m_rows.size()) - 1;
    emit rowInserted(row);
    positionAt(row);
}

bool Table::deleteRecord()
{
    ensureRows();
    if (!requireActive())
        return false;
    if (m_state == State::Insert) {
        cancel();
        return true;
    }
    if (m_state == State::Edit)
        cancel();
    const qint64 rowId = currentRowId();
    if (rowId < 0)
        return fail(
            QStringLiteral("Tabel %1 heeft geen record om te verwijderen.").arg(m_schema.name));
    Statement st(m_db->handle(),
                 QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_schema.name)));
    st.bind(1, rowId);
    if (!st.run())
        return fail(st.error());
    const int row = m_pos;
    m_rows.erase(m_rows.begin() + row);
    if (!m_keys.empty())
        m_keys.erase(m_keys.begin() + row);
    m_rowCache.remove(rowId);
    m_currentRowId = -1;
    emit rowRemoved(row);
    if (m_rows.empty()) {
        m_pos = -1;
        m_bof = m_eof = true;
        emit currentChanged(-1);
    } else {
        positionAt(std::min(row, int(m_rows.size()) - 1));
    }
    return true;
}

bool Table::refresh()
{
    if (!requireActive() || !postPendingEdit())
        return false;
    return reloadRows();
}

// ---- fields -----------------------------------------------------------------------------

QVariant Table::lookupValue(const FieldDef& field, const QVariantList& values) const
{
    const int key = m_schema.fieldIndex(field.keyField);
    Statement st(m_db->handle(), QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? LIMIT 1")
                                     .arg(quoted(field.lookupResult), quoted(field.lookupTable),
                                          quoted(field.lookupKey)));
    st.bind(1, values.value(key));
    return st.step() ? st.column(0) : QVariant(QString());
}

QVariant Table::value(const QString& name) const
{
    const int i = m_schema.fieldIndex(name);
    if (i < 0)
        return QVariant();
    const QVariantList& values = currentValues();
    if ((m_state == State::Edit || m_state == State::Insert) && !m_schema.fields[i].isStored())
        return lookupValue(m_schema.fields[i], values);
    return values.value(i);
}

double Table::asFloat(const QString& field) const
{
    return value(field).toDouble();
}

QString Table::asString(const QString& field) const
{
    const int i = m_schema.fieldIndex(field);
    if (i >= 0 && m_schema.fields[i].type == FieldType::Date)
        return asDate(field).toString(QStringLiteral("dd-MM-yyyy"));
    return value(field).toString();
}

int Table::asInteger(const QString& field) const
{
    return int(std::llround(value(field).toDouble()));
}

QDate Table::asDate(const QString& field) const
{
    const QVariant v = value(field);
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    return QDate::fromString(v.toString(), Qt::ISODate);
}

bool Table::asBoolean(const QString& field) const
{
    return value(field).toLongLong() != 0 || value(field).toBool();
}

bool Table::setValue(const QString& name, const QVariant& v)
{
    const int i = m_schema.fieldIndex(name);
    if (i < 0)
        return fail(QStringLiteral("Veld %1 bestaat niet in tabel %2.").arg(name, m_schema.name));
    if (m_state != State::Edit && m_state != State::Insert)
        return fail(QStringLiteral("Tabel %1 is niet in bewerking.").arg(m_schema.name));
    if (!m_schema.fields[i].isStored())
        return fail(QStringLiteral("Veld %1 kan niet worden gewijzigd.").arg(name));
    const FieldDef& f = m_schema.fields[i];
    QVariant normalised = storedValue(f, v);
    // Keep the buffer in the shape a fetched row has, so reads before and after post agree.
    if (f.type == FieldType::Boolean)
        normalised = QVariant(qlonglong(normalised.toInt()));
    m_buffer[i] = normalised;
    return true;
}

QString Table::displayText(const QString& name) const
{
    const FieldDef* f = m_schema.field(name);
    return f ? displayText(*f, value(name)) : QString();
}

QString Table::displayText(const FieldDef& field, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (field.type) {
    case FieldType::Float: {
        const double d = value.toDouble();
        if (field.amountFormat)
            return AmountFormat::format(d);
        if (d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qlonglong(d));
        return QString::number(d, 'g', 15).replace('.', AmountFormat::decimalSeparator());
    }
    case FieldType::Date: {
        const QDate d = value.typeId() == QMetaType::QDate
                            ? value.toDate()
                            : QDate::fromString(value.toString(), Qt::ISODate);
        return d.toString(QStringLiteral("dd-MM-yyyy"));
    }
    case FieldType::Boolean:
        return value.toLongLong() ? QStringLiteral("Ja") : QStringLiteral("Nee");
    default:
        return value.toString();
    }
}

QVariant Table::valueAt(int row, int field) const
{
    ensureRows();
    if (row < 0 || row >= int(m_rows.size()) || field < 0 || field >= m_schema.fields.size())
        return QVariant();
    if (row == m_pos)
        return currentValues().value(field);
    const qint64 id = m_rows[size_t(row)];
    auto it = m_rowCache.find(id);
    if (it == m_rowCache.end()) {
        if (m_rowCache.size() > kRowCacheLimit)
            m_rowCache.clear();
        it = m_rowCache.insert(id, fetchRow(id));
    }
    return it->value(field);
}
