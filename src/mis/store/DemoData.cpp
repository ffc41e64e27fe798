#include "DemoData.h"

#include "TBillStore.h"
#include "TShopTransaction.h"
#include "TemplateStore.h"

#include <QFile>

namespace {

struct TNamed {
    const char *Code;
    const char *Name;
};
struct TWord {
    const char *Text;
    const char *Initials;
};

constexpr TNamed Departments[] = {{"01", "百货一部"},   {"02", "百货二部"},   {"03", "家用电器部"},
                                  {"04", "食品超市部"}, {"05", "服装鞋帽部"}, {"06", "黄金珠宝部"}};
constexpr TNamed PayModes[] = {{"01", "现金"}, {"02", "转账支票"}, {"03", "银行卡"},
                               {"04", "电汇"}, {"05", "储值卡"},   {"06", "商业汇票"}};
constexpr TNamed PayItems[] = {{"0001", "预收货款"}, {"0002", "订金"}, {"0003", "押金"},
                               {"0004", "预收服务费"}, {"0005", "其他预收款"}};
struct TEmployee {
    const char *Code;
    const char *Name;
    const char *Department;
};
constexpr TEmployee Employees[] = {{"0001", "张伟", "01"}, {"0002", "王芳", "01"}, {"0003", "李娜", "02"},
                                   {"0004", "刘洋", "03"}, {"0005", "陈静", "04"}, {"0006", "杨军", "05"},
                                   {"0007", "赵磊", "06"}, {"0008", "黄丽", "01"}};

constexpr TWord Regions[] = {{"华北", "HB"}, {"华东", "HD"}, {"华南", "HN"}, {"西部", "XB"}};
constexpr TWord Cities[4][6] = {
    {{"北京", "BJ"}, {"天津", "TJ"}, {"石家庄", "SJZ"}, {"太原", "TY"}, {"呼和浩特", "HHHT"}, {"保定", "BD"}},
    {{"上海", "SH"}, {"南京", "NJ"}, {"杭州", "HZ"}, {"济南", "JN"}, {"合肥", "HF"}, {"苏州", "SZ"}},
    {{"广州", "GZ"}, {"深圳", "SZ"}, {"福州", "FZ"}, {"南宁", "NN"}, {"海口", "HK"}, {"厦门", "XM"}},
    {{"成都", "CD"}, {"重庆", "CQ"}, {"西安", "XA"}, {"昆明", "KM"}, {"兰州", "LZ"}, {"贵阳", "GY"}},
};
constexpr TWord Brands[] = {{"华联", "HL"}, {"恒信", "HX"}, {"金鹰", "JY"}, {"百盛", "BS"}, {"新世纪", "XSJ"},
                            {"永辉", "YH"}, {"国美", "GM"}, {"苏宁", "SN"}, {"大润", "DR"}, {"东方", "DF"},
                            {"长城", "CC"}, {"海信", "HX"}, {"天虹", "TH"}, {"银座", "YZ"}};
// Per partner type ("0" supplier, "1" customer, "2" producer): what the groups are called and
// the two endings of the leaves' names.
struct TPartnerKind {
    const char *Type;
    const char *Group;
    TWord Endings[2];
};
constexpr TPartnerKind PartnerKinds[] = {
    {"0", "供应商", {{"贸易有限公司", "MYYXGS"}, {"实业有限公司", "SYYXGS"}}},
    {"1", "客户", {{"商贸有限公司", "SMYXGS"}, {"百货商店", "BHSD"}}},
    {"2", "生产厂商", {{"制造有限公司", "ZZYXGS"}, {"食品厂", "SPC"}}},
};
constexpr const char *Contacts[] = {"周建国", "吴秀英", "郑海涛", "孙丽华", "马志强", "朱玉梅", "胡文斌", "林晓燕"};
constexpr int LeavesPerCity = 28;

// Every key the forms' parameter reads ask for, with a value of the right kind.
constexpr TNamed SystemParameters[] = {
    {"dwlx", "01"}, {"rqssj", "00:00:00"}, {"dybm", "01"}, {"dwmc", "华联商厦"}, {"ysjscdjdbm", "01"},
    {"sjkbbh", "5.0"}, {"hykls", "0"}, {"djfgfs", "0"}, {"ysqr", "1"}, {"sh", "110105600012345"},
    {"dz", "北京市朝阳区建国路88号"}, {"fgckjb", "2"}, {"sphsfs", "1"}, {"jsxtfs", "1"}, {"pslssj", "0"},
    {"jjcbhsff", "1"}, {"sjcbhsff", "1"}, {"psxzsl", "100000"}, {"xsxzsl", "100000"}, {"jhxzsl", "100000"},
    {"cbjzfs", "1"}, {"lxdh", "010-65881234"}, {"khh", "中国工商银行北京建国门支行"}, {"zh", "0200001009014412345"},
    {"sljd", "2"}, {"jjkz", "0"}, {"lskz", "1"}, {"kpyxcfsp", "1"}, {"cpzkspyzbkz", "0"}, {"jzscltjbc", "0"},
    {"jzsclyxjjsxzpzdp", "0"}, {"psysjscdjd", "0"}, {"cskz", "0"}, {"zrrkz", "0"}, {"dddyhs", "20"},
    {"spfzflx", "0"}, {"brddyhs", "20"}, {"brdhscfs", "0"}, {"dddysjj", "0"}, {"psdahsfg", "1"},
    {"ysdahsfg", "1"}, {"xsdahsfg", "1"}, {"bcddyhs", "20"}, {"tjddyhs", "20"}, {"bcdhscfs", "0"},
    {"sgddyhs", "20"}, {"sgdhscfs", "0"}, {"ykddyhs", "20"}, {"ykdhscfs", "0"}, {"dbddyhs", "20"},
    {"dbdhscfs", "0"}, {"jgddyhs", "20"}, {"jgdhscfs", "0"}, {"tbddyhs", "20"}, {"tbdhscfs", "0"},
    {"syddyhs", "20"}, {"sydhscfs", "0"}, {"ysddyhs", "20"}, {"ysdhscfs", "0"}, {"pdbdyhs", "20"},
    {"pdbhscfs", "0"}, {"thddyhs", "20"}, {"ptfpdyhs", "20"}, {"thcpbxxdythqd", "0"}, {"zjdyfs", "0"},
    {"ddysfs", "0"}, {"hsdwh", "01"}, {"dpckbm", "01"}, {"dpjfs", "0"}, {"thjjclfs", "0"}, {"ddyszzfs", "0"},
    {"ddyxrqqy", "0"}, {"ysfs", "0"}, {"khzqqy", "0"}, {"zkhwlqy", "0"}, {"hykxc", "0"}, {"xsfkz", "0"},
    {"kckz", "1"}, {"hyklwms", "0"}, {"yckqzj", "0"}, {"mdzdysj", "0"}, {"mdzdyjj", "0"}, {"dchy", "0"},
    {"xstbqyrq", ""}, {"qedjzjqr", ""}, {"ypphqy", "0"}, {"yscmqy", "0"}, {"sxcycbft", "0"}, {"sxqmpkc", "0"},
    {"xpdjmrsl", "17"}, {"zbbm", "01"}, {"ddzxqy", "0"}, {"ddbrkz", "0"}, {"fmlspyjzdsy", "0"}, {"dztqy", "0"},
    {"psfpbdyhs", "25"}, {"jjbkzzxzbjj", "0"},
};

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

// A fixed sequence, so that every demonstration database looks the same.
class TDemoRandom {
public:
    int Next(int bound)
    {
        m_state = m_state * 1103515245u + 12345u;
        return int((m_state >> 16) % unsigned(bound));
    }

private:
    unsigned m_state = 20050315u;
};

Result<void> Insert(TShopDatabase &db, const char *sql, const QVariantList &values)
{
    return db.Execute(S(sql), values);
}

Result<void> SeedMasters(TShopDatabase &db, const QDate &today)
{
    const QString month = today.toString(QStringLiteral("yyyyMM"));
    const QString startMonth = today.addMonths(-6).toString(QStringLiteral("yyyyMM"));
    for (const TNamed &p : SystemParameters) {
        if (auto done = Insert(db, "INSERT INTO tbSysMsg (f_csmc,f_csz) VALUES (?,?)", {S(p.Code), S(p.Name)}); !done)
            return done;
    }
    for (const auto &[key, value] : {std::pair{"qyny", startMonth}, std::pair{"dqny", month}}) {
        if (auto done = Insert(db, "INSERT INTO tbSysMsg (f_csmc,f_csz) VALUES (?,?)", {S(key), value}); !done)
            return done;
    }
    for (const TNamed &d : Departments) {
        if (auto done = Insert(db, "INSERT INTO tbbmda (f_bmbm,f_bmmc) VALUES (?,?)", {S(d.Code), S(d.Name)}); !done)
            return done;
    }
    for (const TEmployee &e : Employees) {
        if (auto done = Insert(db, "INSERT INTO tbzyda (f_zybm,f_zymc,f_bmbm) VALUES (?,?,?)",
                               {S(e.Code), S(e.Name), S(e.Department)});
            !done)
            return done;
    }
    for (const TNamed &m : PayModes) {
        if (auto done = Insert(db, "INSERT INTO tbzffs (f_zffsbm,f_zffsmc) VALUES (?,?)", {S(m.Code), S(m.Name)}); !done)
            return done;
    }
    for (const TNamed &i : PayItems) {
        if (auto done = Insert(db, "INSERT INTO tbsfxmda (f_sfxmbm,f_sfxmmc) VALUES (?,?)", {S(i.Code), S(i.Name)});
            !done)
            return done;
    }
    return Success();
}

Result<void> SeedPartners(TShopDatabase &db)
{
    const char *sql = "INSERT INTO tbcsda (f_csbm,f_csmc,f_zjf,f_cslx,f_jb,f_mj,f_kzbz,f_lxr,f_dh,f_cz,f_sh)"
                      " VALUES (?,?,?,?,?,?,0,?,?,?,?)";
    int serial = 0;
    for (int kind = 0; kind < 3; ++kind) {
        const TPartnerKind &k = PartnerKinds[kind];
        const QString group = S(k.Group);
        for (int r = 0; r < 4; ++r) {
            const QString regionCode = QString::number(kind + 1) + QString::number(r + 1);
            const QString regionName = S(Regions[r].Text) + QStringLiteral("区") + group;
            if (auto done = Insert(db, sql, {regionCode, regionName, S(Regions[r].Initials), S(k.Type), 1, 0,
                                             QString(), QString(), QString(), QString()});
                !done)
                return done;
            for (int c = 0; c < 6; ++c) {
                const TWord &city = Cities[r][c];
                const QString cityCode = regionCode + QString::number(c + 1).rightJustified(2, QLatin1Char('0'));
                if (auto done = Insert(db, sql, {cityCode, S(city.Text) + group, S(city.Initials), S(k.Type), 2, 0,
                                                 QString(), QString(), QString(), QString()});
                    !done)
                    return done;
                for (int leaf = 0; leaf < LeavesPerCity; ++leaf) {
                    const TWord &brand = Brands[leaf % 14];
                    const TWord &ending = k.Endings[leaf / 14];
                    ++serial;
                    const QString phone = QStringLiteral("0%1-6%2").arg(10 + r * 10 + c).arg(5880000 + serial);
                    if (auto done = Insert(
                            db, sql,
                            {cityCode + QString::number(leaf + 1).rightJustified(3, QLatin1Char('0')),
                             S(city.Text) + S(brand.Text) + S(ending.Text),
                             S(city.Initials) + S(brand.Initials) + S(ending.Initials), S(k.Type), 3, 1,
                             S(Contacts[serial % 8]), phone, phone + QStringLiteral("-8"),
                             QStringLiteral("1101%1").arg(serial, 11, 10, QLatin1Char('0'))});
                        !done)
                        return done;
                }
            }
        }
    }
    return Success();
}

struct TDemoOrder {
    const char *Customer;
    const char *Department;
    const char *State;
    bool Return;
    int Lines;
};
// Open sales orders of several customers at the unit's own department "01", with return orders
// among them, and some that cannot be pulled (closed, or shipped from another department).
constexpr TDemoOrder Orders[] = {
    {"2101001", "01", "1", false, 2}, {"2101001", "01", "1", false, 1}, {"2101001", "01", "1", true, 1},
    {"2101002", "01", "1", false, 3}, {"2101002", "01", "1", false, 2}, {"2102003", "01", "1", false, 1},
    {"2102003", "01", "1", true, 2},  {"2201005", "01", "1", false, 2}, {"2201005", "01", "2", false, 1},
    {"2101001", "02", "1", false, 1}, {"2301010", "01", "1", false, 2}, {"2301010", "01", "1", false, 1},
};

Result<void> SeedOrders(TShopDatabase &db, const QDate &today, TDemoRandom &random)
{
    const QString thisMonth = today.toString(QStringLiteral("yyyyMM"));
    const QString lastMonth = today.addMonths(-1).toString(QStringLiteral("yyyyMM"));
    for (const QString &month : {lastMonth, thisMonth}) {
        if (auto ensured = db.EnsureMonthTables(month); !ensured)
            return ensured;
    }
    TShopTransaction transaction(db);
    if (auto started = transaction.Start(); !started)
        return started;
    int index = 0;
    for (const TDemoOrder &order : Orders) {
        // The first orders were made last month, the rest this month.
        const QDate lastMonthDay = today.addMonths(-1);
        const QDate date = index < 4 ? QDate(lastMonthDay.year(), lastMonthDay.month(), 20 - index)
                                     : QDate(today.year(), today.month(), qMax(1, today.day() - index % 3));
        const QString month = date.toString(QStringLiteral("yyyyMM"));
        const QString number = month + QString::number(++index).rightJustified(4, QLatin1Char('0'));
        for (const QString &table : {QStringLiteral("tbspddzb"), QStringLiteral("tb%1_spddzb").arg(month)}) {
            if (auto done = db.Execute(QStringLiteral("INSERT INTO %1 (f_djh,f_ddlx,f_dhbm,f_ddlb,f_ddzt,f_rhbm,f_chbm,"
                                                      "f_zdrq) VALUES (?,'5',?,?,?,?,?,?)")
                                           .arg(table),
                                       {number, S(order.Department), order.Return ? 1 : 0, S(order.State),
                                        S(order.Customer), S(order.Department), date.toString(QStringLiteral("yyyyMMdd"))});
                !done)
                return done;
        }
        for (int line = 0; line < order.Lines; ++line) {
            const double quantity = (1 + random.Next(20)) * (order.Return ? -1 : 1);
            const double amount = quantity * (50 + random.Next(400));
            const double tax = qRound64(amount * 17) / 100.0;
            for (const QString &table : {QStringLiteral("tbspddcb"), QStringLiteral("tb%1_spddcb").arg(month)}) {
                if (auto done = db.Execute(QStringLiteral("INSERT INTO %1 (f_djh,f_ddlx,f_dhbm,f_dnxh,f_spbm,f_dhsl,"
                                                          "f_dhje,f_dhsj) VALUES (?,'5',?,?,?,?,?,?)")
                                               .arg(table),
                                           {number, S(order.Department), line,
                                            QStringLiteral("69%1").arg(100000 + random.Next(900000)), quantity, amount,
                                            tax});
                    !done)
                    return done;
            }
        }
    }
    return transaction.Commit();
}

// Bills of the current and the two previous months; the older ones confirmed, some void, and
// unconfirmed bills of today that the modification form can reach.
Result<void> SeedBills(TShopDatabase &db, const QDate &today, TDemoRandom &random)
{
    TBillStore store(db);
    const char *customers[] = {"2101001", "2101002", "2102003", "2201005", "2301010", "2402020", "2103015"};
    for (int back = 2; back >= 0; --back) {
        const QDate first = today.addMonths(-back);
        const QString month = first.toString(QStringLiteral("yyyyMM"));
        const int lastDay = back == 0 ? today.day() : first.daysInMonth();
        for (int n = 0; n < 8; ++n) {
            const TEmployee &maker = Employees[n % 3];
            TBillRecord bill;
            bill.f_bmbm = S(Departments[n % 3].Code);
            bill.f_csbm = S(customers[(n + back) % 7]);
            const int day = back == 0 && n >= 5 ? lastDay : 1 + (n * (lastDay - 1)) / 8;
            bill.f_zdrq = QDate(first.year(), first.month(), day).toString(QStringLiteral("yyyyMMdd"));
            bill.f_zdrbm = S(maker.Code);
            bill.f_zdrmc = S(maker.Name);
            bill.f_bz = n % 4 == 1 ? QStringLiteral("春节备货预付") : QString();
            const double firstAmount = 500.0 * (1 + random.Next(20));
            const double secondAmount = n % 2 ? 100.0 * (1 + random.Next(10)) : 0;
            bill.Items.append({S("0001"), {}, firstAmount, firstAmount, secondAmount, secondAmount, {}, {}});
            if (secondAmount > 0)
                bill.Items.append({S("0002"), {}, secondAmount, firstAmount, secondAmount, secondAmount,
                                   QStringLiteral("订货定金"), {}});
            const QString stamp = bill.f_zdrq + QStringLiteral("0930%1").arg(10 + n);
            bill.Payments.append({S(PayModes[n % 3].Code), {}, firstAmount, n % 3 == 1 ? QStringLiteral("ZP%1").arg(40210 + n) : QString(),
                                  bill.f_zdrbm, bill.f_zdrmc, stamp});
            if (secondAmount > 0)
                bill.Payments.append({S("01"), {}, secondAmount, {}, bill.f_zdrbm, bill.f_zdrmc, stamp});
            auto number = store.SaveNew(month, bill);
            if (!number)
                return Failure(number.Error());
            const char *state = back > 0 ? (n == 3 ? "2" : "1") : (n == 2 ? "2" : n < 2 ? "1" : "0");
            if (auto done = db.Execute(QStringLiteral("UPDATE tb%1_Yskmxzb SET f_trbz=? WHERE f_djh=?").arg(month),
                                       {S(state), *number});
                !done)
                return done;
        }
    }
    return Success();
}

// An order taken by an unconfirmed bill of this month is not offered again; one taken by a
// void bill is.
Result<void> SeedTakenOrders(TShopDatabase &db, const QDate &today)
{
    TBillStore store(db);
    const QString month = today.toString(QStringLiteral("yyyyMM"));
    const QString date = today.toString(QStringLiteral("yyyyMMdd"));
    auto orders = db.Query(QStringLiteral("SELECT f_djh FROM tbspddzb WHERE f_rhbm='2101002' AND f_chbm='01'"
                                          " AND f_ddzt='1' ORDER BY f_djh"));
    if (!orders)
        return Failure(orders.Error());
    for (int i = 0; i < qMin(2, int(orders->Rows.size())); ++i) {
        TBillRecord bill;
        bill.f_bmbm = S("01");
        bill.f_csbm = S("2101002");
        bill.f_zdrq = date;
        bill.f_zdrbm = S("0001");
        bill.f_zdrmc = S("张伟");
        bill.Items.append({S("0001"), {}, 0, 0, 0, 0, {}, {}});
        bill.Items.append({S("0002"), {}, 3000, 0, 3000, 3000, {}, orders->Rows.at(i).at(0).toString()});
        bill.Payments.append({S("03"), {}, 3000, {}, S("0001"), S("张伟"), date + QStringLiteral("101500")});
        auto number = store.SaveNew(month, bill);
        if (!number)
            return Failure(number.Error());
        if (i == 1) {
            if (auto done = db.Execute(QStringLiteral("UPDATE tb%1_Yskmxzb SET f_trbz='2' WHERE f_djh=?").arg(month),
                                       {*number});
                !done)
                return done;
        }
    }
    return Success();
}

Result<void> SeedTemplate(TShopDatabase &db)
{
    QFile file(S(DemoTemplateResource));
    if (!file.exists())
        return Success();
    if (!file.open(QIODevice::ReadOnly))
        return Failure(file.errorString());
    return ImportTemplate(db, QStringLiteral("预收款单"), QStringLiteral("预收款单"), file.readAll());
}

} // namespace

Result<void> SeedDemoData(TShopDatabase &db)
{
    return SeedDemoData(db, QDate::currentDate());
}

Result<void> SeedDemoData(TShopDatabase &db, const QDate &today)
{
    if (!db.IsEmpty())
        return Failure(QStringLiteral("数据库%1中已有数据，不能再生成演示数据！").arg(db.Path()));
    {
        TShopTransaction transaction(db);
        if (auto started = transaction.Start(); !started)
            return started;
        if (auto done = SeedMasters(db, today); !done)
            return done;
        if (auto done = SeedPartners(db); !done)
            return done;
        if (auto done = SeedTemplate(db); !done)
            return done;
        if (auto committed = transaction.Commit(); !committed)
            return committed;
    }
    TDemoRandom random;
    if (auto done = SeedOrders(db, today, random); !done)
        return done;
    if (auto done = SeedBills(db, today, random); !done)
        return done;
    return SeedTakenOrders(db, today);
}
