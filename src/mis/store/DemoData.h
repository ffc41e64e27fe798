#pragma once

#include "TShopDatabase.h"

#include "platform/data/Result.h"

#include <QDate>

// Fills an empty shop database with a demonstration shop: every system parameter the forms
// read, departments, employees, a three-level tree of 2,100 trading partners, payment methods,
// receivable items, open sales orders (return orders among them), bills of the current and the
// two previous months, and the report template "预收款单" when the build embeds it. Dates are
// counted back from today; the accounting month is today's month. Refuses a database that
// already holds data.
Result<void> SeedDemoData(TShopDatabase &db);
Result<void> SeedDemoData(TShopDatabase &db, const QDate &today);

// Where the build embeds the advance-receipt template; absent when it was not there to embed.
inline constexpr const char *DemoTemplateResource = ":/mis/templates/advance_receipt.hrt";
