#pragma once

#include <QString>

class Database;

// Makes a whole posting sequence one SQLite transaction: either everything between the
// guard's creation and commit() reaches the file, or nothing does. A guard that goes out
// of scope without commit() rolls back.
class Transaction
{
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    bool commit();
    void rollback();

private:
    Database& m_db;
    bool m_open = false;
    QString m_error;
};
