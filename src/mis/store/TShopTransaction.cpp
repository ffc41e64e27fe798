#include "TShopTransaction.h"

#include "TShopDatabase.h"

TShopTransaction::~TShopTransaction()
{
    if (m_active)
        (void)m_db.Execute(QStringLiteral("ROLLBACK"));
}

Result<void> TShopTransaction::Start()
{
    auto begun = m_db.Execute(QStringLiteral("BEGIN IMMEDIATE"));
    m_active = bool(begun);
    return begun;
}

Result<void> TShopTransaction::Commit()
{
    auto committed = m_db.Execute(QStringLiteral("COMMIT"));
    if (committed)
        m_active = false;
    return committed;
}
