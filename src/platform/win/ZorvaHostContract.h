#pragma once

#include "IRudoDisp.h"
#include "WindowHandles.h"

#include <QtGlobal>

class QWidget;

// What the host and the plug-in library agree on: the entry points' shape and names, the
// dispatch ids of the host's automation object, the window messages and the shared memory.

using TZorvaFormEntry = void (*)(Win::HWND appHandle, QWidget *hostControl, const unsigned char *operatorCode,
                                 QWidget *parent, IRudoDisp *service);

inline constexpr const char *ZorvaEntryNames[] = {
    "GetZorvaFormBillModify", "GetZorvaFormDel", "GetZorvaFormSearch", "GetZorvaFormBillSearch", "GetZorvaFormInput",
};

enum TRudoDispId : qint32 {
    DISPID_QuerySql = 0x60020000,
    DISPID_QueryRecordset = 0x3,
    DISPID_GetDbType = 0x14,
    DISPID_GetCurYearMonth = 0x4,
    DISPID_GetServerDate = 0x5,
    DISPID_GetServerDateTime = 0x6,
    DISPID_GetEmployee = 0xA,
    DISPID_GetSysParams = 0x64,
    DISPID_GetDepartment = 0x68,
    DISPID_GetReportTemplates = 0x11,
    DISPID_BillQuery = 0x20B,
    DISPID_BillUpdate = 0x20A,
};

// Argument shapes, in order (& marks a by-reference argument the host replaces):
//   QuerySql(Sql text, &Data)              -> bool; Data = packet (QByteArray)
//   QueryRecordset(Sql text, &Data)        -> bool; Data = TRecordset
//   GetDbType()                            -> text
//   GetCurYearMonth(&Value), GetServerDate(&Value), GetServerDateTime(&Value) -> bool; Value text
//   GetEmployee(1, &Data), GetDepartment(1, &Data) -> bool; Data: code in, packet out
//   GetSysParams(&Data)                    -> bool; packet f_csmc, f_csz
//   GetReportTemplates(BillTitle, &Data)   -> bool; packet f_reportname, f_reportinfo
//   BillQuery(Kind, &Result, &Params)      -> bool
//   BillUpdate(Kind, &Data1, &Data2)       -> bool
// On false the first by-reference argument holds the messages as a QStringList.

enum TZorvaMessage : unsigned {
    ZM_RESIZE = 0x402,      // host -> form: WParam height, LParam width of PanelMain
    ZM_BEFOREQUERY = 0x403, // module -> application window, before a detail query runs
    ZM_CLOSING = 0x404,     // module -> host control: an embedded form is closing
};

inline constexpr const char *ZorvaSharedMemoryName = "TovrekMapName";
