#pragma once

#include "TLookupInfo.h"
#include "TLookupWindow.h"
#include "TSysParamSelector.h"
#include "TsysmsgInfo.h"

#include "module/host/THostDataService.h"
#include "platform/data/TDataSet.h"
#include "platform/widgets/TColor.h"
#include "platform/win/IRudoDisp.h"
#include "platform/win/WindowHandles.h"

#include <QString>

// The business-data service object every form creates over the host data service: it knows the
// database type and the owner of its message boxes, and reads the operator context and system
// parameters into the form's TsysmsgInfo, and opens the lookups through which the clerk picks a
// trading partner, a payment method or a receivable item (TLookupWindow). Every query it runs
// loads its packet into the one query dataset, replacing what was there.
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

    // The lookups return at once; the record is filled when a row is taken (TLookupWindow).
    void LookupManufacturer(quint8 mode, QWidget *parent, QWidget *nextControl, QWidget *sourceControl,
                            const QString &searchText, TManufacturerInfo &info, TColor color, int width, int height,
                            int top, int left)
    {
        m_lookup.LookupManufacturer(mode, parent, nextControl, sourceControl, searchText, info, color, width, height,
                                    top, left);
    }
    void LookupPayMode(quint8 mode, QWidget *parent, QWidget *nextControl, QWidget *sourceControl,
                       const QString &searchText, TpayModeInfo &info, TColor color, int width, int height, int top,
                       int left)
    {
        m_lookup.LookupPayMode(mode, parent, nextControl, sourceControl, searchText, info, color, width, height, top,
                               left);
    }
    void LookupPayInOut(quint8 mode, QWidget *parent, QWidget *nextControl, QWidget *sourceControl,
                        const QString &searchText, TPayInOutInfo &info, TColor color, int width, int height, int top,
                        int left)
    {
        m_lookup.LookupPayInOut(mode, parent, nextControl, sourceControl, searchText, info, color, width, height, top,
                                left);
    }
    bool IsLookupOpen() const { return m_lookup.IsLookupOpen(); }
    void WaitWhileLookupOpen() const { m_lookup.WaitWhileLookupOpen(); }
    TListView *LookupList() const { return m_lookup.List(); }

private:
    bool ReadContextAndParams(TsysmsgInfo &info, const TSysParamSelectors &selectors, QString &errorText);
    // Loads a host packet into the query dataset; raises EDatabaseError for a malformed one.
    void LoadQuery(const QVariant &packet);

    THostDataService m_host;
    Win::HWND m_owner = 0;
    QString m_dbType;
    TDataSet m_query;
    TLookupWindow m_lookup;
};
