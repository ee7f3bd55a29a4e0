#include "WriteTransaction.h"

#include "Database.h"

namespace arc {

WriteTransaction::WriteTransaction(Database &db) : m_db(db)
{
    m_status = db.beginWrite();
    if (!m_status.ok())
        m_done = true;
}

WriteTransaction::~WriteTransaction()
{
    if (!m_done)
        m_db.rollback();
}

DbStatus WriteTransaction::commit()
{
    if (m_done)
        return m_status;
    m_done = true;
    m_status = m_db.commit();
    return m_status;
}

} // namespace arc
