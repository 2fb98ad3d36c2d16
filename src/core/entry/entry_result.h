#pragma once

#include <QString>

// The outcome of an entry window's action: done, or refused or failed with a Dutch message
// (the books are then as they were before).
struct EntryResult
{
    bool ok = false;
    QString error;
    // The number of the journal's last line afterwards.
    int lastJournalNumber = 0;

    static EntryResult success(int lastJournalNumber) { return {true, {}, lastJournalNumber}; }
    static EntryResult failure(const QString& error) { return {false, error, 0}; }
    explicit operator bool() const { return ok; }
};
