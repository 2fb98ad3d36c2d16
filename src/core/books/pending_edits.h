#pragma once

#include <QList>
#include <QString>

class Table;

// Whole-table actions (year-end close, clean slate) change the tables behind the cursors'
// backs. Before they start, an edit a window left pending is posted so it is neither lost
// nor written over the result afterwards; after the change the cursors reread their rows.
class PendingEdits
{
public:
    // Returns an empty text or the Dutch message of the first table that refused.
    static QString postAll(const QList<Table*>& tables);
    static QString rereadAll(const QList<Table*>& tables);
};
