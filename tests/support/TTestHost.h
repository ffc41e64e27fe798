#pragma once

#include "mis/store/TMisHostService.h"
#include "mis/store/TShopDatabase.h"

#include "platform/win/IRudoDisp.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

#include <memory>

// A real host on a throw-away database for tests: the shop database in a temporary folder,
// seeded with the demo shop (or left with the bare schema), a fixed clock and accounting
// month, and the host data service the module talks to.
//   TTestHost host;                                      // SQLSERVER, 200503, 2005-03-15 10:30
//   TTestHost host({.DbType = QStringLiteral("DB2")});
// The demo data is counted back from the fixed date: bills in 200501..200503, today's
// unconfirmed bills, operator "0001" 张伟, unit department "01".
class TTestHost {
public:
    struct TOptions {
        QString DbType = QStringLiteral("SQLSERVER");
        QString YearMonth = QStringLiteral("200503");
        QDateTime Now = QDateTime(QDate(2005, 3, 15), QTime(10, 30, 0));
        bool Demo = true;
    };

    TTestHost() : TTestHost(TOptions{}) {}
    explicit TTestHost(TOptions options);
    ~TTestHost() = default;
    TTestHost(const TTestHost &) = delete;
    TTestHost &operator=(const TTestHost &) = delete;

    // The automation object as the module receives it; the host keeps one reference itself.
    IRudoDisp *Disp() const { return m_host.Get(); }
    const TRudoDispPtr &Host() const { return m_host; }
    TMisHostService &Service() const { return *m_service; }
    TShopDatabase &Database() const { return *m_db; }
    const TOptions &Options() const { return m_options; }
    QString DatabasePath() const;

    // Straight SQLite, for assertions and for setting up a case: each row one text with its
    // cells joined by "|", nulls empty. A failing statement fails the test.
    QStringList Select(const QString &sql, const QVariantList &params = {}) const;
    void Execute(const QString &sql, const QVariantList &params = {}) const;

private:
    TOptions m_options;
    QTemporaryDir m_folder;
    std::unique_ptr<TShopDatabase> m_db; // declared before the service, so it outlives it
    TMisHostService *m_service = nullptr;
    TRudoDispPtr m_host;
};
