#pragma once

#include "TBillRecord.h"

#include "platform/data/Result.h"

#include <QByteArray>
#include <QVariant>

// The two packets of a bill in both directions. Reading checks what the store relies on and
// refuses, with a message, anything else: a value that is not a packet, a packet without rows
// or without a field the store needs, a line without its payment method or item, rows that
// disagree on the department or customer, a bill date that is not yyyymmdd.
class TBillWirePackets {
public:
    static Result<TBillRecord> Read(const QVariant &payments, const QVariant &items);
    // The packets of BillQuery kind 5: the fields the module sends plus the names and states.
    static QByteArray PaymentPacket(const TBillRecord &bill);
    static QByteArray ItemPacket(const TBillRecord &bill);
};
