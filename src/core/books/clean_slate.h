#pragma once

#include <QString>

#include "core/books/books_result.h"

class DataModule;
class Table;

// Wipes the books of the current administration when they can no longer be put right:
// the journal and both open-item tables are emptied and every balance is set to zero. The
// members, the chart itself (numbers, names, Altijdtonen), the budget and the settings
// stay. One transaction: a crash or an error leaves the books as they were.
class CleanSlate
{
public:
    explicit CleanSlate(DataModule& data);

    // The question the window asks first, "No" being the default answer.
    static QString confirmationQuestion()
    {
        return QStringLiteral("Alle rekeningen leeg maken?? Zeker weten?");
    }
    static QString confirmationCaption() { return QStringLiteral("Bevestiging"); }

    BooksResult run();

private:
    bool emptyTable(Table& table, QString* error);
    bool zeroEveryBalance(QString* error);

    DataModule& m_data;
};
