#include "core/books/posting_sequence.h"

#include <cmath>

#include "core/books/statement_amount.h"
#include "core/data/data_module.h"
#include "core/ledger/ledger.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"

PostingSequence::PostingSequence(DataModule& data, Ledger& ledger) : m_data(data), m_ledger(ledger)
{
}

bool PostingSequence::isBookableAmount(double amount)
{
    return std::isfinite(amount) && !StatementAmount::isZero(amount);
}

QString PostingSequence::zeroAmountMessage()
{
    return QStringLiteral("Vul een bedrag in dat niet nul is.");
}

BooksResult PostingSequence::run(const QList<Step>& steps)
{
    Transaction transaction(m_data.Database1);
    if (!transaction.isOpen())
        return BooksResult::failure(transaction.error());
    for (const Step& step : steps)
        if (!step(m_ledger))
            return BooksResult::failure(m_ledger.lastError());
    if (!transaction.commit())
        return BooksResult::failure(transaction.error());
    return BooksResult::success(lastJournalNumber());
}

int PostingSequence::lastJournalNumber() const
{
    Statement st(m_data.Database1.handle(), QStringLiteral("SELECT MAX(JrNr) FROM journaal"));
    return st.step() ? int(std::lround(st.columnDouble(0))) : 0;
}
