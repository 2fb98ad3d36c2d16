#pragma once

#include "core/app/ledger_status.h"

#include <QString>
#include <QStringList>

// What the main window shows after opening an administration. When `error` is set the
// steps stopped there: `tablesOpen` tells whether the tables had been opened before.
struct ShowSequenceOutcome
{
    QString error;
    bool tablesOpen = false;
    int administration = 0;
    QString dataDirectory;
    // JrNr of the journal's last line, and the number of lines.
    int lastJournalNumber = 0;
    int journalLineCount = 0;
    QString associationName;
    QStringList administrationNames;
    int administrationColour = 0; // Windows colour value
    QString logoFile;
    LedgerStatus ledger;

    bool ok() const { return error.isEmpty(); }
};
