#pragma once

#include <QObject>
#include <QString>

struct sqlite3;

// One administration's database file. Tables refer to it by its logical name; changing the
// file name of a connected database disconnects it first, which closes its tables.
class Database : public QObject
{
    Q_OBJECT
public:
    explicit Database(const QString& logicalName = QStringLiteral("fondirex"),
                      QObject* parent = nullptr);
    ~Database() override;

    QString logicalName() const { return m_logicalName; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);

    bool exists() const;
    // Makes an empty database file; fails when one is there already.
    bool create(QString* error = nullptr);
    bool connect(QString* error = nullptr);
    void disconnect();
    bool isConnected() const { return m_handle != nullptr; }
    sqlite3* handle() const { return m_handle; }

    // Runs statements without results; returns false and sets the message on failure.
    bool exec(const QString& sql, QString* error = nullptr);

    // Nested transactions: only the outermost begin/commit reach SQLite; a rollback at any
    // depth undoes the whole outermost transaction.
    bool begin(QString* error = nullptr);
    bool commit(QString* error = nullptr);
    void rollback();
    bool inTransaction() const { return m_depth > 0; }

    QString lastError() const;

signals:
    void aboutToDisconnect();
    // Emitted after a rollback so every table drops what it holds in memory and rereads.
    void rolledBack();

private:
    QString m_logicalName;
    QString m_fileName;
    sqlite3* m_handle = nullptr;
    int m_depth = 0;
    bool m_rollbackPending = false;
};
