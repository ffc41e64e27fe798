#pragma once

#include "platform/data/Result.h"

class TShopDatabase;

// One write transaction. Start takes the database's write lock at once (BEGIN IMMEDIATE), so
// that what is read inside it, such as the highest bill number, stays true until Commit; other
// processes wait for it. Anything not committed is rolled back when the object goes.
class TShopTransaction {
public:
    explicit TShopTransaction(TShopDatabase &db) : m_db(db) {}
    ~TShopTransaction();
    TShopTransaction(const TShopTransaction &) = delete;
    TShopTransaction &operator=(const TShopTransaction &) = delete;

    Result<void> Start();
    Result<void> Commit();

private:
    TShopDatabase &m_db;
    bool m_active = false;
};
