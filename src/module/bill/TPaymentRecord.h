#pragma once

#include <QString>

// One line of a bill: a receivable-item line or a payment line. One type serves both lists;
// each list fills only the fields it needs. Fields are named after the packet fields they carry.
struct TPaymentRecord {
    QString f_bmbm;
    QString f_bmmc;
    QString f_zdrq;
    QString f_djh;
    int f_dnxh = 0;
    QString f_csbm;
    QString f_csmc;
    QString f_cszjf;
    QString f_zdrbm;
    QString f_zdrmc;
    QString f_zffsbm;
    QString f_zffsmc;
    double f_zfje = 0;
    QString f_zph;
    QString f_sfbz;
    QString f_sfxmbm;
    QString f_sfxmmc;
    double f_sfje = 0;
    QString f_bz;
    QString f_zffsbz; // payment-method remark, printed only
    QString f_sfxmbz;
    QString f_czrbm;
    QString f_czrmc;
    QString f_czsj;
    QString f_ddh;
    QString f_Flag; // "1": a line of the stored bill, "0": a line added on the form
};
