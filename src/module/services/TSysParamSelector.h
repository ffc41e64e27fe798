#pragma once

#include <bitset>
#include <initializer_list>

// One member per value ReadSysParams can fill: the operator context values, then one per
// parameter key of tbSysMsg in the order the parameters are read. mdzdysj covers the pair
// mdzdysj/mdzdyjj; fmlspyjzdsy also covers dztqy.
enum class TSysParamSelector {
    CurYearMonth, CurDateTime, CurDate, OperatorName,
    dwlx, qyny, rqssj, dybm, dwmc, ysjscdjdbm, sjkbbh, hykls, djfgfs, ysqr, sh, dz, fgckjb, sphsfs,
    jsxtfs, pslssj, jjcbhsff, sjcbhsff, psxzsl, xsxzsl, jhxzsl, cbjzfs, lxdh, khh, zh, sljd, jjkz, lskz,
    kpyxcfsp, cpzkspyzbkz, jzscltjbc, jzsclyxjjsxzpzdp, psysjscdjd, cskz, zrrkz, dddyhs, spfzflx,
    brddyhs, brdhscfs, dddysjj, psdahsfg, ysdahsfg, xsdahsfg, bcddyhs, tjddyhs, bcdhscfs, sgddyhs,
    sgdhscfs, ykddyhs, ykdhscfs, dbddyhs, dbdhscfs, jgddyhs, jgdhscfs, tbddyhs, tbdhscfs, syddyhs,
    sydhscfs, ysddyhs, ysdhscfs, pdbdyhs, pdbhscfs, thddyhs, ptfpdyhs, thcpbxxdythqd, zjdyfs, ddysfs,
    hsdwh, dpckbm, dpjfs, thjjclfs, ddyszzfs, ddyxrqqy, ysfs, khzqqy, zkhwlqy, hykxc, xsfkz, kckz,
    hyklwms, yckqzj, mdzdysj, dchy, xstbqyrq, qedjzjqr, ypphqy, yscmqy, sxcycbft, sxqmpkc, xpdjmrsl,
    zbbm, ddzxqy, ddbrkz, fmlspyjzdsy, psfpbdyhs, jjbkzzxzbjj,
    Count_
};

// A set of selectors, as the Pascal "set of TSysParamSelector".
class TSysParamSelectors {
public:
    constexpr TSysParamSelectors() = default;
    TSysParamSelectors(std::initializer_list<TSysParamSelector> selectors)
    {
        for (TSysParamSelector selector : selectors)
            Include(selector);
    }

    bool Contains(TSysParamSelector selector) const { return m_bits.test(Index(selector)); }
    bool IsEmpty() const { return m_bits.none(); }
    void Include(TSysParamSelector selector) { m_bits.set(Index(selector)); }
    void Exclude(TSysParamSelector selector) { m_bits.reset(Index(selector)); }
    TSysParamSelectors operator+(const TSysParamSelectors &other) const { return TSysParamSelectors(m_bits | other.m_bits); }
    TSysParamSelectors operator-(const TSysParamSelectors &other) const { return TSysParamSelectors(m_bits & ~other.m_bits); }
    bool operator==(const TSysParamSelectors &other) const = default;

private:
    using TBits = std::bitset<static_cast<std::size_t>(TSysParamSelector::Count_)>;
    explicit TSysParamSelectors(TBits bits) : m_bits(bits) {}
    static std::size_t Index(TSysParamSelector selector) { return static_cast<std::size_t>(selector); }

    TBits m_bits;
};

// What the module's forms ask for.
inline const TSysParamSelectors BrowseFormSelectors{
    TSysParamSelector::qyny, TSysParamSelector::CurYearMonth, TSysParamSelector::CurDate,
    TSysParamSelector::OperatorName, TSysParamSelector::dwlx, TSysParamSelector::dybm, TSysParamSelector::sljd};
inline const TSysParamSelectors InputFormSelectors =
    BrowseFormSelectors
    + TSysParamSelectors{TSysParamSelector::CurDateTime, TSysParamSelector::khzqqy, TSysParamSelector::zkhwlqy};
inline const TSysParamSelectors BillSearchFormSelectors =
    BrowseFormSelectors + TSysParamSelectors{TSysParamSelector::CurDateTime, TSysParamSelector::jjkz};
