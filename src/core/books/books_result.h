#pragma once

#include <QString>

// The outcome of an action on the books. A failure carries the Dutch message to show and
// means nothing of the action was kept. After a posting `lastJournalNumber` is the number
// of the journal's last line, which the windows show as "LAATSTE BOEKSTUKNR.".
struct BooksResult
{
    bool ok = true;
    QString error;
    int lastJournalNumber = 0;

    static BooksResult success(int lastJournalNumber = 0) { return {true, {}, lastJournalNumber}; }
    static BooksResult failure(const QString& error) { return {false, error, 0}; }

    explicit operator bool() const { return ok; }
};
