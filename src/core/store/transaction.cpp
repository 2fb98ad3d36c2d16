#include "core/store/transaction.h"

#include "core/store/database.h"

Transaction::Transaction(Database& db) : m_db(db)
{
    m_open = m_db.begin(&m_error);
}

Transaction::~Transaction()
{
    if (m_open)
        m_db.rollback();
}

bool Transaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    if (!m_db.commit(&m_error)) {
        m_db.rollback();
        return false;
    }
    return true;
}

void Transaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    m_db.rollback();
}
