#pragma once

#include "TBillShares.h"
#include "TPaymentRecords.h"

#include "platform/data/Result.h"
#include "platform/data/TDataSet.h"

#include <QString>
#include <QVariant>

// The bill's wire format in both directions: the payment-line packet and the item packet, one
// row per line in list order, every row repeating the header values the lines carry. Text fields
// have fixed widths in GBK bytes; a longer text is cut at the last whole character within the
// width. The packets do not carry the month: the host stores and looks bills up by month itself.
class TBillPackets {
public:
    // The modification form sends each line's f_Flag; the entry form does not.
    enum class TFlag { Omitted, Sent };

    // The datasets ready to send: their Data() is the packet. f_dnxh numbers the rows from 0 in
    // list order, whatever the lines carry.
    static TDataSet PaymentLines(const TPaymentRecords &payments, TFlag flag = TFlag::Omitted);
    static TDataSet ItemLines(const TPaymentRecords &items, const TBillShares &shares, TFlag flag = TFlag::Omitted);

    // Reads the two packets of a stored bill (BillQuery kind 5: payment packet in its result,
    // item packet in its params) into the lists, which are replaced only when both packets read.
    // Field names match without regard to case. The fields sent on save are required; the names
    // the host adds (f_bmmc, f_csmc, f_cszjf, f_sfbz, f_zffsmc / f_sfxmmc) and f_Flag are read when
    // present. The result is the bill's state: the last known f_trbz of the payment rows, empty
    // when no row carries one.
    static Result<QString> ReadStoredBill(const QVariant &paymentPacket, const QVariant &itemPacket,
                                          TPaymentRecords &payments, TPaymentRecords &items);
};
