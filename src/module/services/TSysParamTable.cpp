#include "TSysParamTable.h"

#include "platform/data/EPlatformError.h"
#include "platform/data/NumberText.h"
#include "platform/data/TDataSet.h"

#include <limits>
#include <optional>
#include <variant>

namespace {

using S = TSysParamSelector;
using I = TsysmsgInfo;

struct TQuantityFormat { // "0." followed by as many "0" as the stored number
    QString I::*Member;
};
struct TOneOrZero { // "1" stays, anything else is stored as "0"
    QString I::*Member;
};
using TTarget = std::variant<QString I::*, int I::*, bool I::*, double I::*, TQuantityFormat, TOneOrZero>;
using TCondition = bool (*)(const I &);

// What a key means when it is missing: the default (a stored value, converted as one) when there
// is one and its condition holds, else the failure.
struct TParamRule {
    const char *Key;
    S Selector;
    TTarget Target;
    const char *FailMessage = nullptr;
    const char *Default = nullptr;
    TCondition DefaultWhen = nullptr;
    bool BlankIsMissing = false;
    TCondition ReadWhen = nullptr; // when it does not hold, the default is taken unread
};

TParamRule Required(const char *key, S selector, TTarget target, const char *message)
{
    return {key, selector, target, message};
}

TParamRule Optional(const char *key, S selector, TTarget target, const char *defaultValue, bool blankIsMissing = false)
{
    return {key, selector, target, nullptr, defaultValue, nullptr, blankIsMissing};
}

bool IsChainUnit(const I &info)
{
    return info.dwlx == QLatin1String("01") || info.dwlx == QLatin1String("02") || info.dwlx == QLatin1String("11");
}

const QList<TParamRule> &Rules()
{
    static const QList<TParamRule> rules = {
        Required("dwlx", S::dwlx, &I::dwlx, "没有可利用的单位类型！"),
        Required("qyny", S::qyny, &I::qyny, "没有可利用的启用年月！"),
        Required("rqssj", S::rqssj, &I::rqssj, "取得日起始时间时出错！"),
        {"dybm", S::dybm, &I::dybm, "没有可利用的连锁编码及前台销售柜组编码！", "",
         [](const I &info) { return !IsChainUnit(info); }},
        Required("dwmc", S::dwmc, &I::dwmc, "没有可利用的单位名称！"),
        Required("ysjscdjdbm", S::ysjscdjdbm, &I::ysjscdjdbm, "没有可利用的验收价生成定价单部门！"),
        Required("sjkbbh", S::sjkbbh, &I::sjkbbh, "没有可利用的数据库版本号！"),
        Required("hykls", S::hykls, &I::hykls, "没有可利用的会员卡连锁！"),
        Optional("djfgfs", S::djfgfs, &I::djfgfs, "0"),
        Required("ysqr", S::ysqr, TOneOrZero{&I::ysqr}, "没有可利用的验收确认！"),
        Required("sh", S::sh, &I::sh, "没有可利用的税号！"),
        Required("dz", S::dz, &I::dz, "没有可利用的单位地址！"),
        Required("fgckjb", S::fgckjb, &I::fgckjb, "没有可利用的分割仓库级别！"),
        {"sphsfs", S::sphsfs, &I::sphsfs, "没有可利用的商品核算方式！", "1",
         [](const I &info) { return info.dwlx == QLatin1String("00"); }},
        Required("jsxtfs", S::jsxtfs, &I::jsxtfs, "没有可利用的结算系统方式！"),
        Optional("pslssj", S::pslssj, &I::pslssj, "0"),
        Required("jjcbhsff", S::jjcbhsff, &I::jjcbhsff, "没有可利用的进价成本核算方法！"),
        Required("sjcbhsff", S::sjcbhsff, &I::sjcbhsff, "没有可利用的售价成本核算方法！"),
        Optional("psxzsl", S::psxzsl, &I::psxzsl, "100000", true),
        Optional("xsxzsl", S::xsxzsl, &I::xsxzsl, "100000", true),
        Optional("jhxzsl", S::jhxzsl, &I::jhxzsl, "100000", true),
        Required("cbjzfs", S::cbjzfs, &I::cbjzfs, "没有可利用的成本结转方式！"),
        Required("lxdh", S::lxdh, &I::lxdh, "没有可利用的联系电话！"),
        Required("khh", S::khh, &I::khh, "没有可利用的开户行！"),
        Required("zh", S::zh, &I::zh, "没有可利用的账号！"),
        Required("sljd", S::sljd, TQuantityFormat{&I::sljd}, "没有可利用的数量精度！"),
        Optional("jjkz", S::jjkz, &I::jjkz, "0"),
        Required("lskz", S::lskz, &I::lskz, "没有可利用的连锁控制！"),
        Optional("kpyxcfsp", S::kpyxcfsp, &I::kpyxcfsp, "1"),
        Optional("cpzkspyzbkz", S::cpzkspyzbkz, &I::cpzkspyzbkz, "0"),
        Optional("jzscltjbc", S::jzscltjbc, &I::jzscltjbc, "0"),
        Optional("jzsclyxjjsxzpzdp", S::jzsclyxjjsxzpzdp, &I::jzsclyxjjsxzpzdp, "0"),
        Required("psysjscdjd", S::psysjscdjd, &I::psysjscdjd, "没有可利用的配送验收价生成定价单！"),
        Required("cskz", S::cskz, &I::cskz, "没有可利用的厂商控制！"),
        Required("zrrkz", S::zrrkz, &I::zrrkz, "没有可利用的责任人控制！"),
        Required("dddyhs", S::dddyhs, &I::dddyhs, "没有可利用的订货单打印行数！"),
        Optional("spfzflx", S::spfzflx, &I::spfzflx, "0", true),
        Required("brddyhs", S::brddyhs, &I::brddyhs, "没有可利用的拨入单打印行数！"),
        Required("brdhscfs", S::brdhscfs, &I::brdhscfs, "没有可利用的拨入单号生成方式！"),
        Optional("dddysjj", S::dddysjj, &I::dddysjj, "0"),
        Optional("psdahsfg", S::psdahsfg, &I::psdahsfg, "1"),
        Optional("ysdahsfg", S::ysdahsfg, &I::ysdahsfg, "1"),
        Optional("xsdahsfg", S::xsdahsfg, &I::xsdahsfg, "1"),
        Required("bcddyhs", S::bcddyhs, &I::bcddyhs, "没有可利用的拨出单打印行数！"),
        Required("tjddyhs", S::tjddyhs, &I::tjddyhs, "没有可利用的调价单打印行数！"),
        Required("bcdhscfs", S::bcdhscfs, &I::bcdhscfs, "没有可利用的拨出单号生成方式！"),
        Required("sgddyhs", S::sgddyhs, &I::sgddyhs, "没有可利用的上柜（直配）单打印行数！"),
        Required("sgdhscfs", S::sgdhscfs, &I::sgdhscfs, "没有可利用的上柜（直配）单号生成方式！"),
        Required("ykddyhs", S::ykddyhs, &I::ykddyhs, "没有可利用的移库单打印行数！"),
        Required("ykdhscfs", S::ykdhscfs, &I::ykdhscfs, "没有可利用的移库单号生成方式！"),
        Required("dbddyhs", S::dbddyhs, &I::dbddyhs, "没有可利用的调拨单打印行数！"),
        Required("dbdhscfs", S::dbdhscfs, &I::dbdhscfs, "没有可利用的调拨单号生成方式！"),
        Required("jgddyhs", S::jgddyhs, &I::jgddyhs, "没有可利用的加工单打印行数！"),
        Required("jgdhscfs", S::jgdhscfs, &I::jgdhscfs, "没有可利用的加工单号生成方式！"),
        Required("tbddyhs", S::tbddyhs, &I::tbddyhs, "没有可利用的退补单打印行数！"),
        Required("tbdhscfs", S::tbdhscfs, &I::tbdhscfs, "没有可利用的退补单号生成方式！"),
        Required("syddyhs", S::syddyhs, &I::syddyhs, "没有可利用的损溢单打印行数！"),
        Required("sydhscfs", S::sydhscfs, &I::sydhscfs, "没有可利用的损溢单号生成方式！"),
        Required("ysddyhs", S::ysddyhs, &I::ysddyhs, "没有可利用的验收单打印行数！"),
        Required("ysdhscfs", S::ysdhscfs, &I::ysdhscfs, "没有可利用的验收单号生成方式！"),
        Required("pdbdyhs", S::pdbdyhs, &I::pdbdyhs, "没有可利用的盘点单打印行数！"),
        Required("pdbhscfs", S::pdbhscfs, &I::pdbhscfs, "没有可利用的盘点单号生成方式！"),
        Required("thddyhs", S::thddyhs, &I::thddyhs, "没有可利用的提货单打印行数！"),
        Required("ptfpdyhs", S::ptfpdyhs, &I::ptfpdyhs, "没有可利用的普通发票打印行数！"),
        Required("thcpbxxdythqd", S::thcpbxxdythqd, &I::thcpbxxdythqd, "没有可利用的退货出票必须先打印退货清单！"),
        Required("zjdyfs", S::zjdyfs, &I::zjdyfs, "没有可利用的整件打印方式！"),
        Required("ddysfs", S::ddysfs, &I::ddysfs, "没有可利用的订单验收方式！"),
        Required("hsdwh", S::hsdwh, &I::hsdwh, "没有可利用的核算单位号！"),
        Required("dpckbm", S::dpckbm, &I::dpckbm, "没有可利用的代配仓库编码！"),
        Required("dpjfs", S::dpjfs, &I::dpjfs, "没有可利用的代配价方式！"),
        Required("thjjclfs", S::thjjclfs, &I::thjjclfs, "没有可利用的退货进价处理方式！"),
        Required("ddyszzfs", S::ddyszzfs, &I::ddyszzfs, "没有可利用的订单验收终止方式！"),
        Required("ddyxrqqy", S::ddyxrqqy, &I::ddyxrqqy, "没有可利用的订单有效日期启用！"),
        Required("ysfs", S::ysfs, &I::ysfs, "没有可利用的验收方式！"),
        Required("khzqqy", S::khzqqy, &I::khzqqy, "没有可利用的客户账期启用！"),
        Required("zkhwlqy", S::zkhwlqy, &I::zkhwlqy, "没有可利用的总客户往来启用！"),
        Optional("hykxc", S::hykxc, &I::hykxc, "0", true),
        Required("xsfkz", S::xsfkz, &I::xsfkz, "没有可利用的小数分控制！"),
        Optional("kckz", S::kckz, &I::kckz, "1"),
        Required("hyklwms", S::hyklwms, &I::hyklwms, "没有可利用的会员卡联网模式！"),
        Required("yckqzj", S::yckqzj, &I::yckqzj, "没有可利用的远程卡前置机！"),
        Optional("mdzdysj", S::mdzdysj, &I::mdzdysj, "0"),
        {"mdzdyjj", S::mdzdysj, &I::mdzdyjj, nullptr, "0", nullptr, false, [](const I &info) { return info.mdzdysj; }},
        Optional("dchy", S::dchy, &I::dchy, "0"),
        Optional("xstbqyrq", S::xstbqyrq, &I::xstbqyrq, ""),
        Optional("qedjzjqr", S::qedjzjqr, &I::qedjzjqr, ""),
        Optional("ypphqy", S::ypphqy, &I::ypphqy, "0"),
        Optional("yscmqy", S::yscmqy, &I::yscmqy, "0"),
        Optional("sxcycbft", S::sxcycbft, &I::sxcycbft, "0"),
        Optional("sxqmpkc", S::sxqmpkc, &I::sxqmpkc, "0"),
        Optional("xpdjmrsl", S::xpdjmrsl, &I::xpdjmrsl, "17"),
        Optional("zbbm", S::zbbm, &I::zbbm, ""),
        Optional("ddzxqy", S::ddzxqy, &I::ddzxqy, "0"),
        Optional("ddbrkz", S::ddbrkz, &I::ddbrkz, "0"),
        Optional("fmlspyjzdsy", S::fmlspyjzdsy, &I::fmlspyjzdsy, "0"),
        Optional("dztqy", S::fmlspyjzdsy, &I::dztqy, "0"),
        Optional("psfpbdyhs", S::psfpbdyhs, &I::psfpbdyhs, "25"),
        Optional("jjbkzzxzbjj", S::jjbkzzxzbjj, &I::jjbkzzxzbjj, "0"),
    };
    return rules;
}

int ToInteger(const QString &text)
{
    const qint64 value = StrToInt64(text);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return int(value);
}

struct TStore {
    I &Info;
    const QString &Value;
    void operator()(QString I::*member) const { Info.*member = Value; }
    void operator()(int I::*member) const { Info.*member = ToInteger(Value); }
    void operator()(bool I::*member) const { Info.*member = Value == QLatin1String("1"); }
    void operator()(double I::*member) const { Info.*member = StrToFloat(Value); }
    void operator()(TQuantityFormat target) const
    {
        Info.*target.Member = QStringLiteral("0.") + QString(qMax(ToInteger(Value), 0), QLatin1Char('0'));
    }
    void operator()(TOneOrZero target) const
    {
        Info.*target.Member = Value == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    }
};

std::optional<QString> StoredValue(TDataSet &params, const TParamRule &rule)
{
    if (!params.Locate(QStringLiteral("f_Csmc"), QString::fromUtf8(rule.Key)))
        return std::nullopt;
    QString value = params.FieldByName(QStringLiteral("f_Csz")).AsString();
    if (rule.BlankIsMissing && value.trimmed().isEmpty())
        return std::nullopt;
    return value;
}

} // namespace

Result<void> TSysParamTable::Read(TDataSet &params, const TSysParamSelectors &selectors, TsysmsgInfo &info)
{
    for (const TParamRule &rule : Rules()) {
        if (!selectors.Contains(rule.Selector))
            continue;
        std::optional<QString> value;
        if (!rule.ReadWhen || rule.ReadWhen(info))
            value = StoredValue(params, rule);
        if (!value) {
            const bool hasDefault = rule.Default && (!rule.DefaultWhen || rule.DefaultWhen(info));
            if (!hasDefault)
                return Failure(QString::fromUtf8(rule.FailMessage));
            value = QString::fromUtf8(rule.Default);
        }
        std::visit(TStore{info, *value}, rule.Target);
    }
    return Success();
}
