#pragma once

#include <QStringList>

#include "core/store/statement.h"

// Every record of the tables a whole-book action may touch, as text, in the order the
// records were stored. Two snapshots are equal exactly when journal, balances, names,
// member flags, open items and budgets are.
inline QStringList booksSnapshot(sqlite3* db)
{
    QStringList rows;
    for (const char* table :
         {"journaal", "rekeningen", "leden", "teontvangen", "tebetalen", "begroting"}) {
        Statement st(db, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
        rows << QStringLiteral("[%1]").arg(table);
        while (st.step()) {
            QStringList cells;
            for (int i = 0; i < st.columnCount(); ++i)
                cells << (st.columnIsNull(i) ? QStringLiteral("NULL") : st.column(i).toString());
            rows << cells.join(QLatin1Char('|'));
        }
        if (!st.ok())
            rows << QStringLiteral("FOUT: ") + st.error();
    }
    return rows;
}
