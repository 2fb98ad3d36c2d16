#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// A prepared SQLite statement with Qt-typed binding and reading. Values are always bound,
// never pasted into the SQL text.
class Statement
{
public:
    Statement() = default;
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;

    bool prepare(sqlite3* db, const QString& sql);
    bool isValid() const { return m_stmt != nullptr; }
    QString error() const { return m_error; }

    void reset();
    bool bind(int position, const QVariant& value); // 1-based
    bool bindAll(const QVariantList& values, int firstPosition = 1);
    // SQLITE_ROW -> true with a row ready; done or error -> false (see ok()).
    bool step();
    bool ok() const { return m_error.isEmpty(); }
    // Runs to completion; for statements without results.
    bool run();

    int columnCount() const;
    QVariant column(int index) const;
    double columnDouble(int index) const;
    qint64 columnInt64(int index) const;
    bool columnIsNull(int index) const;

private:
    void finalize();
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_error;
};
