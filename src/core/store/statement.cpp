#include "core/store/statement.h"

#include <QDate>
#include <sqlite3.h>

Statement::Statement(sqlite3* db, const QString& sql)
{
    prepare(db, sql);
}

Statement::~Statement()
{
    finalize();
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_error(std::move(other.m_error))
{
    other.m_stmt = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        finalize();
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        m_error = std::move(other.m_error);
        other.m_stmt = nullptr;
    }
    return *this;
}

void Statement::finalize()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
}

bool Statement::prepare(sqlite3* db, const QString& sql)
{
    finalize();
    m_db = db;
    m_error.clear();
    if (!db) {
        m_error = QStringLiteral("Geen verbinding met de database.");
        return false;
    }
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK) {
        m_error = QStringLiteral("Databasefout: %1").arg(QString::fromUtf8(sqlite3_errmsg(db)));
        finalize();
        return false;
    }
    return true;
}

void Statement::reset()
{
    if (!m_stmt)
        return;
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    m_error.clear();
}

bool Statement::bind(int position, const QVariant& value)
{
    if (!m_stmt)
        return false;
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, position);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(m_stmt, position, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, position, value.toDouble());
            break;
        case QMetaType::QDate:
            rc = sqlite3_bind_text(m_stmt, position,
                                   value.toDate().toString(Qt::ISODate).toUtf8().constData(), -1,
                                   SQLITE_TRANSIENT);
            break;
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, position, utf8.constData(), int(utf8.size()),
                                   SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK) {
        m_error = QStringLiteral("Databasefout: %1").arg(QString::fromUtf8(sqlite3_errmsg(m_db)));
        return false;
    }
    return true;
}

bool Statement::bindAll(const QVariantList& values, int firstPosition)
{
    for (int i = 0; i < values.size(); ++i)
        if (!bind(firstPosition + i, values[i]))
            return false;
    return true;
}

bool Statement::step()
{
    if (!m_stmt)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_error = QStringLiteral("Databasefout: %1").arg(QString::fromUtf8(sqlite3_errmsg(m_db)));
    return false;
}

bool Statement::run()
{
    while (step()) {
    }
    const bool good = ok();
    if (m_stmt)
        sqlite3_reset(m_stmt);
    return good;
}

int Statement::columnCount() const
{
    return m_stmt ? sqlite3_column_count(m_stmt) : 0;
}

QVariant Statement::column(int index) const
{
    switch (sqlite3_column_type(m_stmt, index)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, index));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index)),
                              sqlite3_column_bytes(m_stmt, index)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, index)),
                                   sqlite3_column_bytes(m_stmt, index)));
    default:
        return QVariant();
    }
}

double Statement::columnDouble(int index) const
{
    return sqlite3_column_double(m_stmt, index);
}

qint64 Statement::columnInt64(int index) const
{
    return sqlite3_column_int64(m_stmt, index);
}

bool Statement::columnIsNull(int index) const
{
    return sqlite3_column_type(m_stmt, index) == SQLITE_NULL;
}
