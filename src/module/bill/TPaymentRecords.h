#pragma once

#include "TPaymentRecord.h"

#include <memory>
#include <vector>

// An owned list of bill lines, read by index. Lines keep their address while others are added,
// inserted or deleted, so a reference to a line stays valid until that line is deleted. An index
// out of range raises EPlatformError.
class TPaymentRecords {
public:
    TPaymentRecords() = default;
    TPaymentRecords(const TPaymentRecords &) = delete;
    TPaymentRecords &operator=(const TPaymentRecords &) = delete;
    TPaymentRecords(TPaymentRecords &&) = default;
    TPaymentRecords &operator=(TPaymentRecords &&) = default;

    TPaymentRecord &Add(TPaymentRecord record = {});
    TPaymentRecord &Insert(int pos, TPaymentRecord record = {}); // pos == Count() appends
    void Delete(int index);
    void Clear() { m_items.clear(); }

    int Count() const { return int(m_items.size()); }
    TPaymentRecord &Items(int index);
    const TPaymentRecord &Items(int index) const;

private:
    void CheckIndex(int index, int limit) const;

    std::vector<std::unique_ptr<TPaymentRecord>> m_items;
};
