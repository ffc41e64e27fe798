#include "TBillPackets.h"

#include "TBillState.h"

#include "platform/data/EPlatformError.h"

#include <variant>
#include <vector>

namespace {

using R = TPaymentRecord;
using TSource = std::variant<QString R::*, int R::*, double R::*, double TBillShares::*>;

struct TPacketField {
    const char *Name;
    TFieldType Type;
    int Size;
    TSource Source;
};

constexpr TFieldType Text = TFieldType::String;
constexpr TFieldType Integer = TFieldType::Integer;
constexpr TFieldType Float = TFieldType::Float;

const QList<TPacketField> &PaymentFields()
{
    static const QList<TPacketField> fields = {
        {"f_djh", Text, 15, &R::f_djh},       {"f_dnxh", Integer, 0, &R::f_dnxh},  {"f_zdrq", Text, 10, &R::f_zdrq},
        {"f_zdrbm", Text, 8, &R::f_zdrbm},    {"f_zdrmc", Text, 12, &R::f_zdrmc},  {"f_bmbm", Text, 12, &R::f_bmbm},
        {"f_csbm", Text, 12, &R::f_csbm},     {"f_bz", Text, 50, &R::f_bz},        {"f_zffsbm", Text, 12, &R::f_zffsbm},
        {"f_zfje", Float, 0, &R::f_zfje},     {"f_zph", Text, 12, &R::f_zph},      {"f_czrbm", Text, 10, &R::f_czrbm},
        {"f_czrmc", Text, 20, &R::f_czrmc},   {"f_czsj", Text, 14, &R::f_czsj},
    };
    return fields;
}

const QList<TPacketField> &ItemFields()
{
    static const QList<TPacketField> fields = {
        {"f_djh", Text, 15, &R::f_djh},           {"f_dnxh", Integer, 0, &R::f_dnxh},
        {"f_zdrq", Text, 10, &R::f_zdrq},         {"f_zdrbm", Text, 8, &R::f_zdrbm},
        {"f_zdrmc", Text, 12, &R::f_zdrmc},       {"f_bmbm", Text, 12, &R::f_bmbm},
        {"f_csbm", Text, 12, &R::f_csbm},         {"f_bz", Text, 50, &R::f_bz},
        {"f_sfxmbm", Text, 12, &R::f_sfxmbm},     {"f_sfje", Float, 0, &R::f_sfje},
        {"f_hkye", Float, 0, &TBillShares::f_hkye}, {"f_qtje", Float, 0, &TBillShares::f_qtje},
        {"f_qtze", Float, 0, &TBillShares::f_qtze}, {"f_sfxmbz", Text, 255, &R::f_sfxmbz},
        {"f_ddh", Text, 20, &R::f_ddh},
    };
    return fields;
}

const TPacketField FlagField{"f_Flag", Text, 20, &R::f_Flag};

// Names the host adds to the packets of a stored bill.
const QList<TPacketField> &StoredPaymentExtras()
{
    static const QList<TPacketField> fields = {
        {"f_bmmc", Text, 0, &R::f_bmmc}, {"f_csmc", Text, 0, &R::f_csmc},     {"f_cszjf", Text, 0, &R::f_cszjf},
        {"f_sfbz", Text, 0, &R::f_sfbz}, {"f_zffsmc", Text, 0, &R::f_zffsmc}, FlagField,
    };
    return fields;
}

const QList<TPacketField> &StoredItemExtras()
{
    static const QList<TPacketField> fields = {
        {"f_bmmc", Text, 0, &R::f_bmmc}, {"f_csmc", Text, 0, &R::f_csmc},     {"f_cszjf", Text, 0, &R::f_cszjf},
        {"f_sfbz", Text, 0, &R::f_sfbz}, {"f_sfxmmc", Text, 0, &R::f_sfxmmc}, FlagField,
    };
    return fields;
}

struct TValueOf {
    const R &Line;
    const TBillShares &Shares;
    QVariant operator()(QString R::*member) const { return Line.*member; }
    QVariant operator()(int R::*member) const { return Line.*member; }
    QVariant operator()(double R::*member) const { return Line.*member; }
    QVariant operator()(double TBillShares::*member) const { return Shares.*member; }
};

TDataSet BuildLines(QList<TPacketField> fields, const TPaymentRecords &lines, const TBillShares &shares,
                    TBillPackets::TFlag flag)
{
    if (flag == TBillPackets::TFlag::Sent)
        fields.append(FlagField);
    TDataSet dataSet;
    for (const TPacketField &field : fields)
        dataSet.AddField(QString::fromLatin1(field.Name), field.Type, field.Size);
    for (int k = 0; k < lines.Count(); ++k) {
        dataSet.Append();
        for (int i = 0; i < fields.size(); ++i) {
            const TSource &source = fields.at(i).Source;
            const bool lineNumber = std::holds_alternative<int R::*>(source) && std::get<int R::*>(source) == &R::f_dnxh;
            dataSet.Fields(i).SetValue(lineNumber ? QVariant(k) : std::visit(TValueOf{lines.Items(k), shares}, source));
        }
        dataSet.Post();
    }
    dataSet.MergeChangeLog();
    return dataSet;
}

struct TStoreInto {
    R &Line;
    const TField &Field;
    void operator()(QString R::*member) const { Line.*member = Field.AsString(); }
    void operator()(int R::*member) const { Line.*member = int(Field.AsInteger()); }
    void operator()(double R::*member) const { Line.*member = Field.AsFloat(); }
    void operator()(double TBillShares::*) const {} // bill-level, not a line's
};

// Raises EDatabaseError for a required field the packet lacks, EConvertError for a value that
// does not convert.
void ReadLines(TDataSet &dataSet, const QList<TPacketField> &required, const QList<TPacketField> &optional,
               TPaymentRecords &lines)
{
    std::vector<std::pair<TField, TSource>> columns;
    for (const TPacketField &field : required)
        columns.push_back({dataSet.FieldByName(QString::fromLatin1(field.Name)), field.Source});
    for (const TPacketField &field : optional) {
        if (const auto found = dataSet.FindField(QString::fromLatin1(field.Name)))
            columns.push_back({*found, field.Source});
    }
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        R &line = lines.Add();
        for (const auto &[field, source] : columns)
            std::visit(TStoreInto{line, field}, source);
    }
}

QString LastKnownState(TDataSet &payments)
{
    const auto state = payments.FindField(QStringLiteral("f_trbz"));
    if (!state)
        return {};
    QString last;
    for (payments.First(); !payments.Eof(); payments.Next()) {
        if (!TBillState::Caption(state->AsString()).isEmpty())
            last = state->AsString();
    }
    return last;
}

} // namespace

TDataSet TBillPackets::PaymentLines(const TPaymentRecords &payments, TFlag flag)
{
    return BuildLines(PaymentFields(), payments, TBillShares{}, flag);
}

TDataSet TBillPackets::ItemLines(const TPaymentRecords &items, const TBillShares &shares, TFlag flag)
{
    return BuildLines(ItemFields(), items, shares, flag);
}

Result<QString> TBillPackets::ReadStoredBill(const QVariant &paymentPacket, const QVariant &itemPacket,
                                             TPaymentRecords &payments, TPaymentRecords &items)
{
    auto paymentData = TDataSet::FromPacket(paymentPacket.toByteArray());
    if (!paymentData)
        return Failure(paymentData.Error());
    auto itemData = TDataSet::FromPacket(itemPacket.toByteArray());
    if (!itemData)
        return Failure(itemData.Error());
    TPaymentRecords readPayments;
    TPaymentRecords readItems;
    try {
        ReadLines(*paymentData, PaymentFields(), StoredPaymentExtras(), readPayments);
        ReadLines(*itemData, ItemFields(), StoredItemExtras(), readItems);
    } catch (const EPlatformError &error) {
        return Failure(error.Message());
    }
    payments = std::move(readPayments);
    items = std::move(readItems);
    return LastKnownState(*paymentData);
}
