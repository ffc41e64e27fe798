#pragma once

#include "TSysParamSelector.h"
#include "TsysmsgInfo.h"

#include "module/host/THostDataService.h"
#include "platform/data/TDataSet.h"
#include "platform/win/IRudoDisp.h"
#include "platform/win/WindowHandles.h"

#include <QString>

// The business-data service object every form creates over the host data service: it knows the
// database type and the owner of its message boxes, and reads the operator context and system
// parameters into the form's TsysmsgInfo. Every query it runs loads its packet into the one query
// dataset, replacing what was there. It keeps no other state between calls.
class TZorvaClass {
public:
    // Asks the host for the database type; when that fails a warning box is shown over owner and
    // the type is "SQLSERVER".
    TZorvaClass(TRudoDispPtr host, Win::HWND owner);
    TZorvaClass(const TZorvaClass &) = delete;
    TZorvaClass &operator=(const TZorvaClass &) = delete;

    const QString &DbType() const { return m_dbType; }
    Win::HWND Owner() const { return m_owner; }

    // Fills exactly the selected fields of info (and always its DbType). Stops at the first value
    // that cannot be obtained: false with the reason in errorText; fields filled before keep
    // their new values. Shows nothing.
    bool ReadSysParams(TsysmsgInfo &info, const TSysParamSelectors &selectors, QString &errorText);

private:
    bool ReadContextAndParams(TsysmsgInfo &info, const TSysParamSelectors &selectors, QString &errorText);
    // Loads a host packet into the query dataset; raises EDatabaseError for a malformed one.
    void LoadQuery(const QVariant &packet);

    THostDataService m_host;
    Win::HWND m_owner = 0;
    QString m_dbType;
    TDataSet m_query;
};
