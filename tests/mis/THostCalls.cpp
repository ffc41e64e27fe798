#include "THostCalls.h"

#include "platform/data/Variants.h"
#include "platform/win/ZorvaHostContract.h"

#include <gtest/gtest.h>

QStringList THostReply::Messages() const
{
    const int first = Args.size() > 1 ? 1 : 0;
    return VarArrayToStrings(Args.value(first)).value_or(QStringList{});
}

THostReply CallHost(IRudoDisp *host, qint32 dispId, QVariantList args)
{
    THostReply reply;
    const IRudoDisp::TInvokeResult result = host->Invoke(dispId, args);
    reply.Dispatched = result.Dispatched;
    reply.Ok = result.Value.toBool();
    reply.Args = args;
    return reply;
}

THostReply BillQuery(IRudoDisp *host, int kind, const QStringList &params)
{
    return CallHost(host, DISPID_BillQuery, {kind, QVariant(), params.join(QLatin1Char('\t'))});
}

THostReply BillUpdate(IRudoDisp *host, int kind, const QVariant &data1, const QVariant &data2)
{
    return CallHost(host, DISPID_BillUpdate, {kind, data1, data2});
}

TDataSet Packet(const QVariant &value)
{
    auto dataSet = TDataSet::FromPacket(value.toByteArray());
    if (!dataSet) {
        ADD_FAILURE() << "not a packet: " << dataSet.Error().toStdString();
        return {};
    }
    dataSet->First();
    return std::move(*dataSet);
}

TBillBuilder::TBillBuilder(QString customer, QString department, QString date)
    : m_customer(std::move(customer)), m_department(std::move(department)), m_date(std::move(date))
{
}

TBillBuilder &TBillBuilder::Item(const QString &code, double amount, const QString &order)
{
    m_items.append({code, amount, order});
    return *this;
}

TBillBuilder &TBillBuilder::Payment(const QString &mode, double amount, const QString &cheque)
{
    m_payments.append({mode, amount, cheque});
    return *this;
}

TBillBuilder &TBillBuilder::Number(const QString &number)
{
    m_number = number;
    return *this;
}

TBillBuilder &TBillBuilder::Remark(const QString &remark)
{
    m_remark = remark;
    return *this;
}

TBillBuilder &TBillBuilder::WithFlags()
{
    m_flags = true;
    return *this;
}

namespace {

TDataSet HeaderFields()
{
    TDataSet ds;
    ds.AddField(QStringLiteral("f_djh"), TFieldType::String, 15);
    ds.AddField(QStringLiteral("f_dnxh"), TFieldType::Integer);
    ds.AddField(QStringLiteral("f_zdrq"), TFieldType::String, 10);
    ds.AddField(QStringLiteral("f_zdrbm"), TFieldType::String, 8);
    ds.AddField(QStringLiteral("f_zdrmc"), TFieldType::String, 12);
    ds.AddField(QStringLiteral("f_bmbm"), TFieldType::String, 12);
    ds.AddField(QStringLiteral("f_csbm"), TFieldType::String, 12);
    ds.AddField(QStringLiteral("f_bz"), TFieldType::String, 50);
    return ds;
}

} // namespace

QByteArray TBillBuilder::Payments() const
{
    TDataSet ds = HeaderFields();
    ds.AddField(QStringLiteral("f_zffsbm"), TFieldType::String, 12);
    ds.AddField(QStringLiteral("f_zfje"), TFieldType::Float);
    ds.AddField(QStringLiteral("f_zph"), TFieldType::String, 12);
    ds.AddField(QStringLiteral("f_czrbm"), TFieldType::String, 10);
    ds.AddField(QStringLiteral("f_czrmc"), TFieldType::String, 20);
    ds.AddField(QStringLiteral("f_czsj"), TFieldType::String, 14);
    if (m_flags)
        ds.AddField(QStringLiteral("f_Flag"), TFieldType::String, 20);
    for (int k = 0; k < m_payments.size(); ++k) {
        ds.Append();
        const QVariantList values{m_number, k, m_date, QStringLiteral("0001"), QStringLiteral("张伟"), m_department,
                                  m_customer, m_remark, m_payments.at(k).Code, m_payments.at(k).Amount,
                                  m_payments.at(k).Extra, QStringLiteral("0001"), QStringLiteral("张伟"),
                                  m_date + QStringLiteral("103000"), QStringLiteral("0")};
        for (int f = 0; f < ds.FieldCount(); ++f)
            ds.Fields(f).SetValue(values.at(f));
        ds.Post();
    }
    return ds.Data();
}

QByteArray TBillBuilder::Items() const
{
    TDataSet ds = HeaderFields();
    ds.AddField(QStringLiteral("f_sfxmbm"), TFieldType::String, 12);
    ds.AddField(QStringLiteral("f_sfje"), TFieldType::Float);
    ds.AddField(QStringLiteral("f_hkye"), TFieldType::Float);
    ds.AddField(QStringLiteral("f_qtje"), TFieldType::Float);
    ds.AddField(QStringLiteral("f_qtze"), TFieldType::Float);
    ds.AddField(QStringLiteral("f_sfxmbz"), TFieldType::String, 255);
    ds.AddField(QStringLiteral("f_ddh"), TFieldType::String, 20);
    if (m_flags)
        ds.AddField(QStringLiteral("f_Flag"), TFieldType::String, 20);
    double total = 0;
    for (const TLine &line : m_items)
        total += line.Amount;
    const double first = m_items.isEmpty() ? 0 : m_items.first().Amount;
    for (int k = 0; k < m_items.size(); ++k) {
        ds.Append();
        const QVariantList values{m_number, k, m_date, QStringLiteral("0001"), QStringLiteral("张伟"), m_department,
                                  m_customer, m_remark, m_items.at(k).Code, m_items.at(k).Amount, first,
                                  total - first, total - first, QString(), m_items.at(k).Extra, QStringLiteral("0")};
        for (int f = 0; f < ds.FieldCount(); ++f)
            ds.Fields(f).SetValue(values.at(f));
        ds.Post();
    }
    return ds.Data();
}
