#include "core/books/pending_edits.h"

#include "core/store/table.h"

QString PendingEdits::postAll(const QList<Table*>& tables)
{
    for (Table* table : tables) {
        const bool editing =
            table->state() == Table::State::Edit || table->state() == Table::State::Insert;
        if (editing && !table->post())
            return table->lastError();
    }
    return {};
}

QString PendingEdits::rereadAll(const QList<Table*>& tables)
{
    for (Table* table : tables)
        if (table->isActive() && !table->refresh())
            return table->lastError();
    return {};
}
