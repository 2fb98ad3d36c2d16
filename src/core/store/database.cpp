#include "core/store/database.h"

#include <QFileInfo>
#include <sqlite3.h>

#include "core/store/sql_functions.h"

Database::Database(const QString& logicalName, QObject* parent)
    : QObject(parent), m_logicalName(logicalName)
{
}

Database::~Database()
{
    disconnect();
}

void Database::setFileName(const QString& fileName)
{
    if (fileName == m_fileName)
        return;
    disconnect();
    m_fileName = fileName;
}

bool Database::exists() const
{
    return !m_fileName.isEmpty() && QFileInfo(m_fileName).isFile();
}

bool Database::create(QString* error)
{
    if (exists()) {
        if (error)
            *error = QStringLiteral("Het databasebestand %1 bestaat al.").arg(m_fileName);
        return false;
    }
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(m_fileName.toUtf8().constData(), &handle,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    bool ok = rc == SQLITE_OK;
    // An empty SQLite file is zero bytes until something is written; a schema version bump
    // makes it a real database file at once.
    if (ok)
        ok =
            sqlite3_exec(handle, "PRAGMA user_version = 1", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok && error)
        *error = QStringLiteral("Het databasebestand %1 kan niet worden aangemaakt: %2")
                     .arg(m_fileName, QString::fromUtf8(sqlite3_errmsg(handle)));
    sqlite3_close(handle);
    return ok;
}

bool Database::connect(QString* error)
{
    if (m_handle)
        return true;
    if (!exists()) {
        if (error)
            *error = QStringLiteral("Het databasebestand %1 bestaat niet.").arg(m_fileName);
        return false;
    }
    const int rc =
        sqlite3_open_v2(m_fileName.toUtf8().constData(), &m_handle, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        if (error)
            *error = QStringLiteral("Het databasebestand %1 kan niet worden geopend: %2")
                         .arg(m_fileName, QString::fromUtf8(sqlite3_errmsg(m_handle)));
        sqlite3_close(m_handle);
        m_handle = nullptr;
        return false;
    }
    sqlite3_busy_timeout(m_handle, 5000);
    sqlite3_extended_result_codes(m_handle, 1);
    registerSqlFunctions(m_handle);
    return true;
}

void Database::disconnect()
{
    if (!m_handle)
        return;
    emit aboutToDisconnect();
    if (m_depth > 0) {
        sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr);
        m_depth = 0;
        m_rollbackPending = false;
    }
    sqlite3_close_v2(m_handle);
    m_handle = nullptr;
}

bool Database::exec(const QString& sql, QString* error)
{
    if (!m_handle) {
        if (error)
            *error = QStringLiteral("Geen verbinding met de database.");
        return false;
    }
    char* message = nullptr;
    const int rc = sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        if (error)
            *error = QStringLiteral("Databasefout: %1").arg(QString::fromUtf8(message));
        sqlite3_free(message);
        return false;
    }
    return true;
}

bool Database::begin(QString* error)
{
    if (m_depth == 0) {
        if (!exec(QStringLiteral("BEGIN IMMEDIATE"), error))
            return false;
        m_rollbackPending = false;
    }
    ++m_depth;
    return true;
}

bool Database::commit(QString* error)
{
    if (m_depth == 0)
        return false;
    if (--m_depth > 0)
        return !m_rollbackPending;
    if (m_rollbackPending) {
        exec(QStringLiteral("ROLLBACK"));
        m_rollbackPending = false;
        if (error)
            *error = QStringLiteral("De wijziging is teruggedraaid.");
        emit rolledBack();
        return false;
    }
    if (!exec(QStringLiteral("COMMIT"), error)) {
        exec(QStringLiteral("ROLLBACK"));
        emit rolledBack();
        return false;
    }
    return true;
}

void Database::rollback()
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0) {
        m_rollbackPending = true;
        return;
    }
    exec(QStringLiteral("ROLLBACK"));
    m_rollbackPending = false;
    emit rolledBack();
}

QString Database::lastError() const
{
    return m_handle ? QString::fromUtf8(sqlite3_errmsg(m_handle)) : QString();
}
