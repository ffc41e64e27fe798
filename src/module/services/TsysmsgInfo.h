#pragma once

#include <QString>

// The operator context values and system parameters a form works with, owned by the form and
// filled by TZorvaClass::ReadSysParams for the selectors it asks for. One field per tbSysMsg key,
// named after it; fields not asked for keep what they held.
struct TsysmsgInfo {
    // Operator context
    QString CurYearMonth; // yyyymm
    QString DbType;
    QString CurDateTime;
    QString CurDate;      // yyyymmdd
    QString OperatorCode; // set by the caller before ReadSysParams
    QString OperatorName;

    // System parameters, in the order they are read
    QString dwlx;
    QString qyny;
    QString rqssj;
    QString dybm;
    QString dwmc;
    QString ysjscdjdbm;
    QString sjkbbh;
    QString hykls;
    QString djfgfs;
    QString ysqr; // "1" or "0"
    QString sh;
    QString dz;
    int fgckjb = 0;
    int sphsfs = 0;
    int jsxtfs = 0;
    QString pslssj;
    int jjcbhsff = 0;
    int sjcbhsff = 0;
    int psxzsl = 0;
    int xsxzsl = 0;
    int jhxzsl = 0;
    int cbjzfs = 0;
    QString lxdh;
    QString khh;
    QString zh;
    QString sljd; // quantity display format: "0." and one "0" per decimal
    bool jjkz = false;
    bool lskz = false;
    bool kpyxcfsp = false;
    QString cpzkspyzbkz;
    QString jzscltjbc;
    QString jzsclyxjjsxzpzdp;
    bool psysjscdjd = false;
    bool cskz = false;
    bool zrrkz = false;
    int dddyhs = 0;
    int spfzflx = 0;
    int brddyhs = 0;
    QString brdhscfs;
    QString dddysjj;
    QString psdahsfg;
    QString ysdahsfg;
    QString xsdahsfg;
    int bcddyhs = 0;
    int tjddyhs = 0;
    QString bcdhscfs;
    int sgddyhs = 0;
    QString sgdhscfs;
    int ykddyhs = 0;
    QString ykdhscfs;
    int dbddyhs = 0;
    QString dbdhscfs;
    int jgddyhs = 0;
    QString jgdhscfs;
    int tbddyhs = 0;
    QString tbdhscfs;
    int syddyhs = 0;
    QString sydhscfs;
    int ysddyhs = 0;
    QString ysdhscfs;
    int pdbdyhs = 0;
    QString pdbhscfs;
    int thddyhs = 0;
    int ptfpdyhs = 0;
    QString thcpbxxdythqd;
    QString zjdyfs;
    QString ddysfs;
    QString hsdwh;
    QString dpckbm;
    QString dpjfs;
    QString thjjclfs;
    int ddyszzfs = 0;
    int ddyxrqqy = 0;
    int ysfs = 0;
    QString khzqqy;
    QString zkhwlqy;
    int hykxc = 0;
    int xsfkz = 0;
    QString kckz;
    QString hyklwms;
    QString yckqzj;
    bool mdzdysj = false;
    bool mdzdyjj = false;
    bool dchy = false;
    QString xstbqyrq;
    QString qedjzjqr;
    QString ypphqy;
    QString yscmqy;
    QString sxcycbft;
    QString sxqmpkc;
    double xpdjmrsl = 0;
    QString zbbm;
    bool ddzxqy = false;
    bool ddbrkz = false;
    bool fmlspyjzdsy = false;
    bool dztqy = false;
    int psfpbdyhs = 0;
    bool jjbkzzxzbjj = false;
};
