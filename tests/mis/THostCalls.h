#pragma once

#include "platform/data/TDataSet.h"
#include "platform/win/IRudoDisp.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The module's side of a host call, for tests of the host: invoke by id and read back the
// by-reference arguments and the messages of a failure.
struct THostReply {
    bool Dispatched = false;
    bool Ok = false;
    QVariantList Args;
    QStringList Messages() const; // the first by-reference argument of a failed call
};
THostReply CallHost(IRudoDisp *host, qint32 dispId, QVariantList args);
THostReply BillQuery(IRudoDisp *host, int kind, const QStringList &params);
THostReply BillUpdate(IRudoDisp *host, int kind, const QVariant &data1, const QVariant &data2);
TDataSet Packet(const QVariant &value); // fails the test when the value is no packet

// A bill as the entry form sends it: the payment-line packet and the item packet of the
// documented fields, every row repeating the header.
class TBillBuilder {
public:
    TBillBuilder(QString customer, QString department = QStringLiteral("01"), QString date = QStringLiteral("20050315"));
    TBillBuilder &Item(const QString &code, double amount, const QString &order = {});
    TBillBuilder &Payment(const QString &mode, double amount, const QString &cheque = {});
    TBillBuilder &Number(const QString &number);
    TBillBuilder &Remark(const QString &remark);
    TBillBuilder &WithFlags(); // the existing-line flag f_Flag of a modified bill

    QByteArray Payments() const;
    QByteArray Items() const;

private:
    struct TLine {
        QString Code;
        double Amount;
        QString Extra;
    };
    QString m_number = QStringLiteral("0000000000");
    QString m_customer, m_department, m_date, m_remark;
    QList<TLine> m_items, m_payments;
    bool m_flags = false;
};
