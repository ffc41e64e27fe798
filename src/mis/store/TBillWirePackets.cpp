#include "TBillWirePackets.h"

#include "platform/data/EPlatformError.h"
#include "platform/data/TDataSet.h"

#include <QRegularExpression>

namespace {

struct TWireField {
    const char *Name;
    TFieldType Type;
    int Size;
};

// Header fields every row of both packets repeats, with their widths.
constexpr TWireField HeaderFields[] = {
    {"f_djh", TFieldType::String, 15},  {"f_dnxh", TFieldType::Integer, 0}, {"f_zdrq", TFieldType::String, 10},
    {"f_zdrbm", TFieldType::String, 8}, {"f_zdrmc", TFieldType::String, 12}, {"f_bmbm", TFieldType::String, 12},
    {"f_csbm", TFieldType::String, 12}, {"f_bz", TFieldType::String, 50},
};
constexpr TWireField PaymentFields[] = {
    {"f_zffsbm", TFieldType::String, 12}, {"f_zfje", TFieldType::Float, 0},   {"f_zph", TFieldType::String, 12},
    {"f_czrbm", TFieldType::String, 10},  {"f_czrmc", TFieldType::String, 20}, {"f_czsj", TFieldType::String, 14},
    {"f_trbz", TFieldType::String, 2},    {"f_bmmc", TFieldType::String, 30},  {"f_csmc", TFieldType::String, 40},
    {"f_cszjf", TFieldType::String, 20},  {"f_sfbz", TFieldType::String, 5},   {"f_zffsmc", TFieldType::String, 30},
};
constexpr TWireField ItemFields[] = {
    {"f_sfxmbm", TFieldType::String, 12}, {"f_sfje", TFieldType::Float, 0},    {"f_hkye", TFieldType::Float, 0},
    {"f_qtje", TFieldType::Float, 0},     {"f_qtze", TFieldType::Float, 0},    {"f_sfxmbz", TFieldType::String, 255},
    {"f_ddh", TFieldType::String, 20},    {"f_bmmc", TFieldType::String, 30},  {"f_csmc", TFieldType::String, 40},
    {"f_cszjf", TFieldType::String, 20},  {"f_sfbz", TFieldType::String, 5},   {"f_sfxmmc", TFieldType::String, 30},
};

template <size_t N>
void AddFields(TDataSet &dataSet, const TWireField (&fields)[N])
{
    for (const TWireField &field : fields)
        dataSet.AddField(QString::fromLatin1(field.Name), field.Type, field.Size);
}

void SetHeader(TDataSet &ds, const TBillRecord &bill, int line)
{
    ds.FieldByName(QStringLiteral("f_djh")).SetValue(bill.f_djh);
    ds.FieldByName(QStringLiteral("f_dnxh")).SetValue(line);
    ds.FieldByName(QStringLiteral("f_zdrq")).SetValue(bill.f_zdrq);
    ds.FieldByName(QStringLiteral("f_zdrbm")).SetValue(bill.f_zdrbm);
    ds.FieldByName(QStringLiteral("f_zdrmc")).SetValue(bill.f_zdrmc);
    ds.FieldByName(QStringLiteral("f_bmbm")).SetValue(bill.f_bmbm);
    ds.FieldByName(QStringLiteral("f_csbm")).SetValue(bill.f_csbm);
    ds.FieldByName(QStringLiteral("f_bz")).SetValue(bill.f_bz);
    ds.FieldByName(QStringLiteral("f_bmmc")).SetValue(bill.f_bmmc);
    ds.FieldByName(QStringLiteral("f_csmc")).SetValue(bill.f_csmc);
    ds.FieldByName(QStringLiteral("f_cszjf")).SetValue(bill.f_cszjf);
    ds.FieldByName(QStringLiteral("f_sfbz")).SetValue(bill.f_sfbz);
}

// A packet as sent, checked for the fields the store needs.
class TPacketRows {
public:
    static Result<TPacketRows> Open(const QVariant &value, const QString &what, QStringList required)
    {
        if (value.typeId() != QMetaType::QByteArray)
            return Failure(QStringLiteral("%1不是数据包，不能保存！").arg(what));
        auto dataSet = TDataSet::FromPacket(value.toByteArray());
        if (!dataSet)
            return Failure(QStringLiteral("%1数据包无法读取：%2").arg(what, dataSet.Error()));
        if (dataSet->IsEmpty())
            return Failure(QStringLiteral("%1为空，不能保存！").arg(what));
        required << QStringLiteral("f_bmbm") << QStringLiteral("f_csbm");
        for (const QString &field : required) {
            if (dataSet->IndexOfField(field) < 0)
                return Failure(QStringLiteral("%1数据包缺少字段 %2，不能保存！").arg(what, field));
        }
        return TPacketRows(std::move(*dataSet));
    }

    TDataSet &Data() { return m_data; }
    QString Text(const char *field)
    {
        auto found = m_data.FindField(QString::fromLatin1(field));
        return found ? found->AsString() : QString();
    }
    std::optional<double> Amount(const char *field)
    {
        auto found = m_data.FindField(QString::fromLatin1(field));
        if (!found || found->IsNull())
            return std::nullopt;
        return found->AsFloat();
    }

private:
    explicit TPacketRows(TDataSet data) : m_data(std::move(data)) {}
    TDataSet m_data;
};

Result<void> CheckSameParty(TPacketRows &rows, const TBillRecord &bill)
{
    if (rows.Text("f_bmbm").trimmed() != bill.f_bmbm || rows.Text("f_csbm").trimmed() != bill.f_csbm)
        return Failure(QStringLiteral("单据各行的部门或客户不一致，不能保存！"));
    return Success();
}

Result<TBillRecord> ReadBill(const QVariant &paymentPacket, const QVariant &itemPacket)
{
    const QString paymentsName = QStringLiteral("收款明细");
    const QString itemsName = QStringLiteral("应收项目");
    auto payments = TPacketRows::Open(paymentPacket, paymentsName,
                                      {QStringLiteral("f_zdrq"), QStringLiteral("f_zffsbm"), QStringLiteral("f_zfje")});
    if (!payments)
        return Failure(payments.Error());
    auto items = TPacketRows::Open(itemPacket, itemsName, {QStringLiteral("f_sfxmbm"), QStringLiteral("f_sfje")});
    if (!items)
        return Failure(items.Error());

    TBillRecord bill;
    TDataSet &pay = payments->Data();
    pay.First();
    bill.f_djh = payments->Text("f_djh").trimmed();
    bill.f_bmbm = payments->Text("f_bmbm").trimmed();
    bill.f_csbm = payments->Text("f_csbm").trimmed();
    bill.f_zdrq = payments->Text("f_zdrq").trimmed();
    bill.f_zdrbm = payments->Text("f_zdrbm");
    bill.f_zdrmc = payments->Text("f_zdrmc");
    bill.f_bz = payments->Text("f_bz");
    if (bill.f_bmbm.isEmpty())
        return Failure(QStringLiteral("单据没有部门编码，不能保存！"));
    if (bill.f_csbm.isEmpty())
        return Failure(QStringLiteral("单据没有客户编码，不能保存！"));
    static const QRegularExpression date(QStringLiteral("^\\d{8}$"));
    if (!date.match(bill.f_zdrq).hasMatch())
        return Failure(QStringLiteral("单据的制单日期“%1”不合法，不能保存！").arg(bill.f_zdrq));

    for (pay.First(); !pay.Eof(); pay.Next()) {
        if (auto same = CheckSameParty(*payments, bill); !same)
            return Failure(same.Error());
        TBillRecord::TPayment line;
        line.f_zffsbm = payments->Text("f_zffsbm").trimmed();
        const auto amount = payments->Amount("f_zfje");
        if (line.f_zffsbm.isEmpty() || !amount)
            return Failure(QStringLiteral("收款明细第%1行没有支付方式或金额，不能保存！").arg(pay.RecNo()));
        line.f_zfje = *amount;
        line.f_zph = payments->Text("f_zph");
        line.f_czrbm = payments->Text("f_czrbm");
        line.f_czrmc = payments->Text("f_czrmc");
        line.f_czsj = payments->Text("f_czsj");
        bill.Payments.append(line);
    }
    TDataSet &its = items->Data();
    for (its.First(); !its.Eof(); its.Next()) {
        if (auto same = CheckSameParty(*items, bill); !same)
            return Failure(same.Error());
        TBillRecord::TItem line;
        line.f_sfxmbm = items->Text("f_sfxmbm").trimmed();
        if (line.f_sfxmbm.isEmpty())
            return Failure(QStringLiteral("应收项目第%1行没有收付项目，不能保存！").arg(its.RecNo()));
        line.f_sfje = items->Amount("f_sfje").value_or(0);
        line.f_hkye = items->Amount("f_hkye").value_or(0);
        line.f_qtje = items->Amount("f_qtje").value_or(0);
        line.f_qtze = items->Amount("f_qtze").value_or(0);
        line.f_sfxmbz = items->Text("f_sfxmbz");
        line.f_ddh = items->Text("f_ddh").trimmed();
        bill.Items.append(line);
    }
    return bill;
}

} // namespace

Result<TBillRecord> TBillWirePackets::Read(const QVariant &payments, const QVariant &items)
{
    try {
        return ReadBill(payments, items);
    } catch (const EPlatformError &error) {
        return Failure(QStringLiteral("单据数据包有误：%1").arg(error.Message()));
    }
}

QByteArray TBillWirePackets::PaymentPacket(const TBillRecord &bill)
{
    TDataSet ds;
    AddFields(ds, HeaderFields);
    AddFields(ds, PaymentFields);
    for (int line = 0; line < bill.Payments.size(); ++line) {
        const TBillRecord::TPayment &payment = bill.Payments.at(line);
        ds.Append();
        SetHeader(ds, bill, line);
        ds.FieldByName(QStringLiteral("f_zffsbm")).SetValue(payment.f_zffsbm);
        ds.FieldByName(QStringLiteral("f_zffsmc")).SetValue(payment.f_zffsmc);
        ds.FieldByName(QStringLiteral("f_zfje")).SetValue(payment.f_zfje);
        ds.FieldByName(QStringLiteral("f_zph")).SetValue(payment.f_zph);
        ds.FieldByName(QStringLiteral("f_czrbm")).SetValue(payment.f_czrbm);
        ds.FieldByName(QStringLiteral("f_czrmc")).SetValue(payment.f_czrmc);
        ds.FieldByName(QStringLiteral("f_czsj")).SetValue(payment.f_czsj);
        ds.FieldByName(QStringLiteral("f_trbz")).SetValue(bill.f_trbz);
        ds.Post();
    }
    return ds.Data();
}

QByteArray TBillWirePackets::ItemPacket(const TBillRecord &bill)
{
    TDataSet ds;
    AddFields(ds, HeaderFields);
    AddFields(ds, ItemFields);
    for (int line = 0; line < bill.Items.size(); ++line) {
        const TBillRecord::TItem &item = bill.Items.at(line);
        ds.Append();
        SetHeader(ds, bill, line);
        ds.FieldByName(QStringLiteral("f_sfxmbm")).SetValue(item.f_sfxmbm);
        ds.FieldByName(QStringLiteral("f_sfxmmc")).SetValue(item.f_sfxmmc);
        ds.FieldByName(QStringLiteral("f_sfje")).SetValue(item.f_sfje);
        ds.FieldByName(QStringLiteral("f_hkye")).SetValue(item.f_hkye);
        ds.FieldByName(QStringLiteral("f_qtje")).SetValue(item.f_qtje);
        ds.FieldByName(QStringLiteral("f_qtze")).SetValue(item.f_qtze);
        ds.FieldByName(QStringLiteral("f_sfxmbz")).SetValue(item.f_sfxmbz);
        ds.FieldByName(QStringLiteral("f_ddh")).SetValue(item.f_ddh);
        ds.Post();
    }
    return ds.Data();
}
