#pragma once

#include <QList>
#include <QString>

// One advance-receipt bill as the host stores it: the header, the payment lines and the
// receivable-item lines. Names are those of the packet fields and table columns; the names
// (f_bmmc, f_csmc, f_zffsmc ...) are filled only when a stored bill is read back.
struct TBillRecord {
    struct TPayment {
        QString f_zffsbm, f_zffsmc;
        double f_zfje = 0;
        QString f_zph, f_czrbm, f_czrmc, f_czsj;
    };
    struct TItem {
        QString f_sfxmbm, f_sfxmmc;
        double f_sfje = 0, f_hkye = 0, f_qtje = 0, f_qtze = 0;
        QString f_sfxmbz, f_ddh;
    };

    QString f_djh, f_bmbm, f_bmmc, f_sfbz = QStringLiteral("0"), f_zdrq, f_csbm, f_csmc, f_cszjf;
    QString f_zdrbm, f_zdrmc, f_bz, f_trbz = QStringLiteral("0");
    QList<TPayment> Payments; // in line order; f_dnxh is the index
    QList<TItem> Items;
};
