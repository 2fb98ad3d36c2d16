#include "core/books/clean_slate.h"

#include "core/books/pending_edits.h"
#include "core/data/data_module.h"
#include "core/store/transaction.h"

CleanSlate::CleanSlate(DataModule& data) : m_data(data) {}

BooksResult CleanSlate::run()
{
    QString error = PendingEdits::postAll({&m_data.rekeningtabel, &m_data.journaaltabel,
                                           &m_data.betalentabel, &m_data.ontvangentabel});
    if (!error.isEmpty())
        return BooksResult::failure(error);
    Transaction transaction(m_data.Database1);
    if (!transaction.isOpen())
        return BooksResult::failure(transaction.error());
    if (!emptyTable(m_data.journaaltabel, &error) || !zeroEveryBalance(&error) ||
        !emptyTable(m_data.betalentabel, &error) || !emptyTable(m_data.ontvangentabel, &error))
        return BooksResult::failure(error);
    if (!transaction.commit())
        return BooksResult::failure(transaction.error());
    return BooksResult::success(0);
}

bool CleanSlate::emptyTable(Table& table, QString* error)
{
    if (table.emptyTable())
        return true;
    *error = table.lastError();
    return false;
}

bool CleanSlate::zeroEveryBalance(QString* error)
{
    if (!m_data.Database1.exec(QStringLiteral("UPDATE rekeningen SET saldo = 0"), error))
        return false;
    *error = PendingEdits::rereadAll({&m_data.rekeningtabel});
    return error->isEmpty();
}
