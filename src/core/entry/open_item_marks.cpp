#include "core/entry/open_item_marks.h"

#include <cmath>

#include "core/store/table.h"
#include "core/store/transaction.h"

namespace {
const QString Sel = QStringLiteral("Sel");
const QString Bedrag = QStringLiteral("Bedrag");

bool failWith(Table& items, QString* error)
{
    if (error)
        *error = items.lastError();
    items.cancel();
    return false;
}
} // namespace

bool OpenItemMarks::toggleMark(Table& items, QString* error)
{
    if (items.currentRowId() < 0) {
        if (error)
            *error = QStringLiteral("Er is geen openstaande post gekozen.");
        return false;
    }
    const QString mark =
        items.asString(Sel) == QLatin1String("N") ? QStringLiteral("J") : QStringLiteral("N");
    if (!items.edit() || !items.setValue(Sel, mark) || !items.post())
        return failWith(items, error);
    return true;
}

OpenItemMarks::MergeOutcome OpenItemMarks::mergeMarked(Database& database, Table& items)
{
    MergeOutcome outcome;
    const int selField = items.schema().fieldIndex(Sel);
    const int amountField = items.schema().fieldIndex(Bedrag);
    qint64 marked[2] = {-1, -1};
    double sum = 0.0;
    for (int row = 0; row < items.recordCount() && outcome.marked < 2; ++row) {
        if (items.valueAt(row, selField).toString() != QLatin1String("J"))
            continue;
        if (!items.moveToRow(row)) {
            outcome.error = items.lastError();
            return outcome;
        }
        marked[outcome.marked++] = items.currentRowId();
        sum += items.valueAt(row, amountField).toDouble();
    }
    if (outcome.marked < 2)
        return outcome;

    Transaction transaction(database);
    const auto fail = [&] {
        outcome.error = items.lastError().isEmpty() ? transaction.error() : items.lastError();
        items.cancel();
        return outcome;
    };
    if (!transaction.isOpen() || !items.moveToRowId(marked[1]))
        return fail();
    if (std::fabs(sum) < 0.01) {
        if (!items.deleteRecord())
            return fail();
    } else if (!items.edit() || !items.setValue(Bedrag, sum) ||
               !items.setValue(Sel, QStringLiteral("N")) || !items.post()) {
        return fail();
    }
    if (!items.moveToRowId(marked[0]) || !items.deleteRecord() || !transaction.commit())
        return fail();
    outcome.merged = true;
    return outcome;
}
