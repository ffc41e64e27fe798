#pragma once

#include <QString>

// The records a lookup hands its result back in. The caller owns the record; the lookup keeps
// a reference to it until it ends. An empty Code after the lookup has ended means nothing was
// chosen.

// One supplier, customer or producer of tbcsda.
struct TManufacturerInfo {
    QString Code;     // f_csbm
    QString Name;     // f_csmc
    QString Mnemonic; // f_zjf
    int ControlFlag = 0; // f_kzbz
    QString Contact;  // f_lxr
    QString Phone;    // f_dh
    QString Fax;      // f_cz
    QString TaxNo;    // f_sh
};

// One payment method of tbzffs.
struct TpayModeInfo {
    QString Code; // f_zffsbm
    QString Name; // f_zffsmc
};

// One receipt or payment item of tbsfxmda.
struct TPayInOutInfo {
    QString Code; // f_sfxmbm
    QString Name; // f_sfxmmc
};
