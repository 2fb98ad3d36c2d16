#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include "core/books/account_entry.h"

class DataModule;

// A snapshot of the accounts table, looked up by number. The statements and the year-end
// close read from a snapshot rather than from the shared accounts cursor, so a filter or
// the current record of a window can neither hide an account nor be moved by them.
class AccountBook
{
public:
    // Reads every account of the administration. A pending edit of the shared accounts
    // table is posted first so the snapshot holds what the user sees. On failure the book is
    // empty and `error` receives the Dutch message.
    static AccountBook read(DataModule& data, QString* error = nullptr);

    void set(const AccountEntry& entry);
    bool contains(int number) const { return m_entries.contains(number); }
    // The account, or an entry with only its number (no name, balance 0) when it is missing.
    AccountEntry entry(int number) const;
    double saldo(int number) const { return entry(number).saldo; }
    QString Naam(int number) const { return entry(number).Naam; }
    QList<int> numbers() const;
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    QHash<int, AccountEntry> m_entries;
};
