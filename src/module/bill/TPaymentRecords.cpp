#include "TPaymentRecords.h"

#include "platform/data/EPlatformError.h"

TPaymentRecord &TPaymentRecords::Add(TPaymentRecord record)
{
    m_items.push_back(std::make_unique<TPaymentRecord>(std::move(record)));
    return *m_items.back();
}

TPaymentRecord &TPaymentRecords::Insert(int pos, TPaymentRecord record)
{
    CheckIndex(pos, Count() + 1);
    return **m_items.insert(m_items.begin() + pos, std::make_unique<TPaymentRecord>(std::move(record)));
}

void TPaymentRecords::Delete(int index)
{
    CheckIndex(index, Count());
    m_items.erase(m_items.begin() + index);
}

TPaymentRecord &TPaymentRecords::Items(int index)
{
    CheckIndex(index, Count());
    return *m_items[std::size_t(index)];
}

const TPaymentRecord &TPaymentRecords::Items(int index) const
{
    CheckIndex(index, Count());
    return *m_items[std::size_t(index)];
}

void TPaymentRecords::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit)
        throw EPlatformError(QStringLiteral("List index out of bounds (%1)").arg(index));
}
