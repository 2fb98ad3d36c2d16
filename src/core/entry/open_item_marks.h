#pragma once

#include <QString>

class Database;
class Table;

// Marking open items with "S" and merging two marked items into one. Works on the open
// items the table shows under its current filter, in table order.
class OpenItemMarks
{
public:
    struct MergeOutcome
    {
        // Marked items found, at most 2.
        int marked = 0;
        bool merged = false;
        QString error;
    };

    // "N" becomes "J"; anything else, an empty mark included, becomes "N". False with the
    // table's message when there is no current item or the store refuses.
    static bool toggleMark(Table& items, QString* error = nullptr);

    // Merges the first two marked items: the second keeps its date and description, takes
    // the sum of both amounts and loses its mark; the first is deleted. Amounts that cancel
    // delete both. Items marked after the second stay marked. One transaction.
    static MergeOutcome mergeMarked(Database& database, Table& items);
};
