#include "core/books/account_book.h"

#include <algorithm>
#include <cmath>

#include "core/data/data_module.h"
#include "core/store/statement.h"

namespace {

bool postPendingEdit(Table& table, QString* error)
{
    if (table.state() != Table::State::Edit && table.state() != Table::State::Insert)
        return true;
    if (table.post())
        return true;
    if (error)
        *error = table.lastError();
    return false;
}

} // namespace

AccountBook AccountBook::read(DataModule& data, QString* error)
{
    AccountBook book;
    if (!postPendingEdit(data.rekeningtabel, error))
        return book;
    if (!data.Database1.isConnected()) {
        if (error)
            *error = QStringLiteral("Geen verbinding met de database.");
        return book;
    }
    Statement st(data.Database1.handle(),
                 QStringLiteral("SELECT Nummer, Naam, saldo, Altijdtonen FROM rekeningen"));
    while (st.step()) {
        AccountEntry entry;
        entry.Nummer = int(std::lround(st.columnDouble(0)));
        entry.Naam = st.column(1).toString();
        entry.saldo = st.columnDouble(2);
        entry.Altijdtonen = st.columnInt64(3) != 0;
        book.set(entry);
    }
    if (!st.ok()) {
        if (error)
            *error = QStringLiteral("De rekeningen kunnen niet worden gelezen: %1").arg(st.error());
        return AccountBook();
    }
    return book;
}

void AccountBook::set(const AccountEntry& entry)
{
    m_entries.insert(entry.Nummer, entry);
}

AccountEntry AccountBook::entry(int number) const
{
    const auto it = m_entries.constFind(number);
    if (it != m_entries.constEnd())
        return *it;
    AccountEntry missing;
    missing.Nummer = number;
    return missing;
}

QList<int> AccountBook::numbers() const
{
    QList<int> all = m_entries.keys();
    std::sort(all.begin(), all.end());
    return all;
}
