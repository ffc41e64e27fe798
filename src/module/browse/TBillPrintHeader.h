#pragma once

#include <QString>

// The values a bill form hands to the print path when it prints: its header boxes as shown,
// the bill number and the signed-in operator. They become the nine report variables.
struct TBillPrintHeader {
    QString DeptCode;    // edtbmbm -> deptcode
    QString DeptName;    // edtbmmc -> deptname
    QString ClientCode;  // edtkhbm -> clientcode
    QString ClientName;  // edtkhmc -> clientname
    QString BillNumber;  // -> Billdjh
    QString BillDate;    // edtskrq, yyyy-mm-dd -> BillDate
    QString Remark;      // edtbz_ -> remark
    QString BillManCode; // -> billmancode
    QString BillManName; // -> billmanname
};
