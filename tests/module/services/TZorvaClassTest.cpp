#include "module/services/TZorvaClass.h"
#include "platform/win/MessageBox.h"
#include "platform/win/ZorvaHostContract.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace {

using S = TSysParamSelector;

// A host that answers the calls a test scripted and keeps the ids it was called with.
class TScriptedHost : public TRudoDispObject {
public:
    using TAnswer = std::function<bool(QVariantList &args)>;

    void Answer(qint32 dispId, TAnswer answer) { m_answers[dispId] = std::move(answer); }
    // The operation puts value into its first by-reference argument and succeeds.
    void Returns(qint32 dispId, const QVariant &value, int refIndex = 0)
    {
        Answer(dispId, [value, refIndex](QVariantList &args) {
            args[refIndex] = value;
            return true;
        });
    }
    void Refuses(qint32 dispId, int refIndex = 0)
    {
        Answer(dispId, [refIndex](QVariantList &args) {
            args[refIndex] = QStringList{QStringLiteral("主机拒绝")};
            return false;
        });
    }
    // tbSysMsg as rows of name and value; the column names in the host's own spelling.
    void Params(const std::vector<std::pair<QString, QString>> &rows)
    {
        TDataSet data;
        data.AddField(QStringLiteral("F_CSMC"), TFieldType::String, 40);
        data.AddField(QStringLiteral("f_CSZ"), TFieldType::String, 255);
        for (const auto &[name, value] : rows) {
            data.Append();
            data.Fields(0).SetValue(name);
            data.Fields(1).SetValue(value);
            data.Post();
        }
        Returns(DISPID_GetSysParams, data.Data());
    }

    const QList<qint32> &Calls() const { return m_calls; }
    int CallsOf(qint32 dispId) const { return int(m_calls.count(dispId)); }
    QVariantList LastArgs() const { return m_lastArgs; }

    TInvokeResult Invoke(qint32 dispId, QVariantList &args) override
    {
        m_calls.append(dispId);
        const auto answer = m_answers.find(dispId);
        if (answer == m_answers.end())
            return {false, {}, QStringLiteral("not scripted")};
        const bool ok = answer->second(args);
        m_lastArgs = args;
        return {true, dispId == DISPID_GetDbType ? QVariant(QStringLiteral("DB2")) : QVariant(ok), {}};
    }

private:
    std::map<qint32, TAnswer> m_answers;
    QList<qint32> m_calls;
    QVariantList m_lastArgs;
};

QByteArray EmployeePacket(const QString &name)
{
    TDataSet data;
    data.AddField(QStringLiteral("f_zymc"), TFieldType::String, 20);
    data.Append();
    data.Fields(0).SetValue(name);
    data.Post();
    return data.Data();
}

class TZorvaClassTest : public ::testing::Test {
protected:
    TZorvaClassTest()
    {
        m_previousBox = Win::SetMessageBoxFunction([this](const Win::TMessageBoxRequest &request) {
            m_boxes.push_back(request);
            return Win::IDOK;
        });
        m_host->Answer(DISPID_GetDbType, [](QVariantList &) { return true; });
        m_host->Returns(DISPID_GetCurYearMonth, QStringLiteral("200503"));
        m_host->Returns(DISPID_GetServerDateTime, QStringLiteral("20050315093012"));
        m_host->Returns(DISPID_GetServerDate, QStringLiteral("20050315 09:30"));
        m_host->Returns(DISPID_GetEmployee, EmployeePacket(QStringLiteral("张三")), 1);
    }
    ~TZorvaClassTest() override { Win::SetMessageBoxFunction(m_previousBox); }

    // Reads selectors with a fresh service object; the record keeps what the test put in it.
    bool Read(const TSysParamSelectors &selectors)
    {
        TZorvaClass service(m_hostRef, 7);
        return service.ReadSysParams(m_info, selectors, m_error);
    }

    TScriptedHost *m_host = new TScriptedHost;
    TRudoDispPtr m_hostRef{m_host};
    TsysmsgInfo m_info;
    QString m_error;
    std::vector<Win::TMessageBoxRequest> m_boxes;

private:
    Win::TMessageBoxFunction m_previousBox;
};

} // namespace

TEST_F(TZorvaClassTest, ConstructionAsksForTheDatabaseType)
{
    TZorvaClass service(m_hostRef, 7);
    EXPECT_EQ(service.DbType(), QStringLiteral("DB2"));
    EXPECT_EQ(service.Owner(), 7u);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(TZorvaClassTest, UnreachableHostWarnsAndAssumesSqlServer)
{
    TScriptedHost *silent = new TScriptedHost;
    TZorvaClass service(TRudoDispPtr(silent), 7);
    EXPECT_EQ(service.DbType(), QStringLiteral("SQLSERVER"));
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].Owner, 7u);
    EXPECT_EQ(m_boxes[0].Text, QStringLiteral("获取数据库类型失败!"));
    EXPECT_EQ(m_boxes[0].Caption, QStringLiteral("警告"));
    EXPECT_EQ(m_boxes[0].Flags, unsigned(Win::MB_OK | Win::MB_ICONWARNING));

    TsysmsgInfo info;
    QString error;
    EXPECT_TRUE(service.ReadSysParams(info, {}, error));
    EXPECT_EQ(info.DbType, QStringLiteral("SQLSERVER"));
}

TEST_F(TZorvaClassTest, EmptySelectorSetOnlyCopiesTheDatabaseType)
{
    EXPECT_TRUE(Read({}));
    EXPECT_EQ(m_info.DbType, QStringLiteral("DB2"));
    EXPECT_EQ(m_host->Calls(), QList<qint32>{DISPID_GetDbType});
}

TEST_F(TZorvaClassTest, ContextValuesWithoutTheParameterTable)
{
    m_info.OperatorCode = QStringLiteral("0001");
    EXPECT_TRUE(Read({S::CurYearMonth, S::CurDate, S::OperatorName})) << m_error.toStdString();
    EXPECT_EQ(m_info.CurYearMonth, QStringLiteral("200503"));
    EXPECT_EQ(m_info.CurDate, QStringLiteral("20050315"));
    EXPECT_EQ(m_info.OperatorName, QStringLiteral("张三"));
    EXPECT_EQ(m_host->LastArgs().value(0), QVariant(1));
    EXPECT_TRUE(m_info.CurDateTime.isEmpty());
    EXPECT_EQ(m_host->CallsOf(DISPID_GetSysParams), 0);
}

TEST_F(TZorvaClassTest, CurDateTimeAloneStillReadsTheParameterTable)
{
    m_host->Refuses(DISPID_GetSysParams);
    EXPECT_FALSE(Read({S::CurDateTime}));
    EXPECT_EQ(m_error, QStringLiteral("取得系统参数时出错！"));
    EXPECT_EQ(m_info.CurDateTime, QStringLiteral("20050315093012"));
    EXPECT_EQ(m_host->CallsOf(DISPID_GetSysParams), 1);
}

TEST_F(TZorvaClassTest, EmptyOperatorCodeAsksNothing)
{
    m_info.OperatorName = QStringLiteral("unchanged");
    EXPECT_TRUE(Read({S::OperatorName}));
    EXPECT_EQ(m_info.OperatorName, QStringLiteral("unchanged"));
    EXPECT_EQ(m_host->CallsOf(DISPID_GetEmployee), 0);
}

TEST_F(TZorvaClassTest, EachRefusedContextCallHasItsMessage)
{
    struct Case {
        qint32 DispId;
        int RefIndex;
        S Selector;
        const char *Message;
    };
    for (const Case &c : std::vector<Case>{{DISPID_GetCurYearMonth, 0, S::CurYearMonth, "取得当前年月时出错！"},
                                           {DISPID_GetServerDateTime, 0, S::CurDateTime, "取得当前日期时间时出错！"},
                                           {DISPID_GetServerDate, 0, S::CurDate, "取得当前日期时出错！"},
                                           {DISPID_GetEmployee, 1, S::OperatorName, "取得制单人名称时出错！！"}}) {
        TScriptedHost *host = new TScriptedHost;
        host->Refuses(c.DispId, c.RefIndex);
        TZorvaClass service(TRudoDispPtr(host), 7);
        TsysmsgInfo info;
        info.OperatorCode = QStringLiteral("0001");
        QString error;
        EXPECT_FALSE(service.ReadSysParams(info, {c.Selector}, error));
        EXPECT_EQ(error, QString::fromUtf8(c.Message));
    }
}

TEST_F(TZorvaClassTest, AFailureKeepsEarlierFieldsAndLeavesLaterOnes)
{
    m_host->Refuses(DISPID_GetServerDateTime);
    m_info.CurDate = QStringLiteral("old");
    EXPECT_FALSE(Read({S::CurYearMonth, S::CurDateTime, S::CurDate}));
    EXPECT_EQ(m_info.CurYearMonth, QStringLiteral("200503"));
    EXPECT_EQ(m_info.CurDate, QStringLiteral("old"));
}

TEST_F(TZorvaClassTest, KeysMatchWithoutRegardToCase)
{
    m_host->Params({{QStringLiteral("DWLX"), QStringLiteral("00")}, {QStringLiteral("Qyny"), QStringLiteral("200401")}});
    EXPECT_TRUE(Read({S::dwlx, S::qyny})) << m_error.toStdString();
    EXPECT_EQ(m_info.dwlx, QStringLiteral("00"));
    EXPECT_EQ(m_info.qyny, QStringLiteral("200401"));
}

TEST_F(TZorvaClassTest, KeysMatchWhole)
{
    m_host->Params({{QStringLiteral("dwlx1"), QStringLiteral("00")}, {QStringLiteral("dwl"), QStringLiteral("00")}});
    EXPECT_FALSE(Read({S::dwlx}));
    EXPECT_EQ(m_error, QStringLiteral("没有可利用的单位类型！"));
}

TEST_F(TZorvaClassTest, DepartmentCodeIsRequiredOfChainUnitsOnly)
{
    struct Case {
        const char *Dwlx;
        bool Ok;
    };
    for (const Case &c : std::vector<Case>{{"01", false}, {"02", false}, {"11", false}, {"00", true}, {"03", true}}) {
        m_host->Params({{QStringLiteral("dwlx"), QString::fromLatin1(c.Dwlx)}});
        m_info.dybm = QStringLiteral("stale");
        EXPECT_EQ(Read({S::dwlx, S::dybm}), c.Ok) << c.Dwlx;
        if (c.Ok)
            EXPECT_TRUE(m_info.dybm.isEmpty()) << c.Dwlx;
        else
            EXPECT_EQ(m_error, QStringLiteral("没有可利用的连锁编码及前台销售柜组编码！")) << c.Dwlx;
    }
}

TEST_F(TZorvaClassTest, ConditionsSeeThePreviousUnitTypeWhenItIsNotRead)
{
    m_host->Params({});
    m_info.dwlx = QStringLiteral("02");
    EXPECT_FALSE(Read({S::dybm}));
    m_info.dwlx = QStringLiteral("00");
    EXPECT_TRUE(Read({S::dybm, S::sphsfs}));
    EXPECT_EQ(m_info.sphsfs, 1);
    m_info.dwlx = QStringLiteral("01");
    EXPECT_FALSE(Read({S::sphsfs}));
    EXPECT_EQ(m_error, QStringLiteral("没有可利用的商品核算方式！"));
}

TEST_F(TZorvaClassTest, QuantityPrecisionBecomesADisplayFormat)
{
    for (const auto &[stored, format] : std::vector<std::pair<QString, QString>>{
             {QStringLiteral("2"), QStringLiteral("0.00")}, {QStringLiteral("0"), QStringLiteral("0.")},
             {QStringLiteral("4"), QStringLiteral("0.0000")}}) {
        m_host->Params({{QStringLiteral("sljd"), stored}});
        EXPECT_TRUE(Read({S::sljd}));
        EXPECT_EQ(m_info.sljd, format);
    }
}

TEST_F(TZorvaClassTest, LimitsTakeTheirDefaultWhenBlankOrMissing)
{
    m_host->Params({{QStringLiteral("psxzsl"), QStringLiteral("  ")}, {QStringLiteral("xsxzsl"), QStringLiteral("500")}});
    EXPECT_TRUE(Read({S::psxzsl, S::xsxzsl, S::jhxzsl})) << m_error.toStdString();
    EXPECT_EQ(m_info.psxzsl, 100000);
    EXPECT_EQ(m_info.xsxzsl, 500);
    EXPECT_EQ(m_info.jhxzsl, 100000);
}

TEST_F(TZorvaClassTest, MissingOptionalKeysTakeTheirDefaults)
{
    m_host->Params({});
    m_info.xstbqyrq = QStringLiteral("stale");
    m_info.dchy = true;
    EXPECT_TRUE(Read({S::djfgfs, S::jjkz, S::kpyxcfsp, S::psdahsfg, S::spfzflx, S::kckz, S::mdzdysj, S::dchy,
                      S::xstbqyrq, S::xpdjmrsl, S::fmlspyjzdsy, S::psfpbdyhs}))
        << m_error.toStdString();
    EXPECT_EQ(m_info.djfgfs, QStringLiteral("0"));
    EXPECT_FALSE(m_info.jjkz);
    EXPECT_TRUE(m_info.kpyxcfsp);
    EXPECT_EQ(m_info.psdahsfg, QStringLiteral("1"));
    EXPECT_EQ(m_info.spfzflx, 0);
    EXPECT_EQ(m_info.kckz, QStringLiteral("1"));
    EXPECT_FALSE(m_info.mdzdysj);
    EXPECT_FALSE(m_info.mdzdyjj);
    EXPECT_FALSE(m_info.dchy);
    EXPECT_TRUE(m_info.xstbqyrq.isEmpty());
    EXPECT_EQ(m_info.xpdjmrsl, 17.0);
    EXPECT_FALSE(m_info.fmlspyjzdsy);
    EXPECT_FALSE(m_info.dztqy);
    EXPECT_EQ(m_info.psfpbdyhs, 25);
}

TEST_F(TZorvaClassTest, ValuesConvertToTheFieldTypes)
{
    m_host->Params({{QStringLiteral("lskz"), QStringLiteral("1")},
                    {QStringLiteral("cskz"), QStringLiteral("true")},
                    {QStringLiteral("ysqr"), QStringLiteral("Y")},
                    {QStringLiteral("fgckjb"), QStringLiteral(" 3")},
                    {QStringLiteral("xpdjmrsl"), QStringLiteral("12.5")},
                    {QStringLiteral("fmlspyjzdsy"), QStringLiteral("1")},
                    {QStringLiteral("dztqy"), QStringLiteral("1")},
                    {QStringLiteral("dwmc"), QStringLiteral("东方百货")}});
    EXPECT_TRUE(Read({S::lskz, S::cskz, S::ysqr, S::fgckjb, S::xpdjmrsl, S::fmlspyjzdsy, S::dwmc}))
        << m_error.toStdString();
    EXPECT_TRUE(m_info.lskz);
    EXPECT_FALSE(m_info.cskz);
    EXPECT_EQ(m_info.ysqr, QStringLiteral("0"));
    EXPECT_EQ(m_info.fgckjb, 3);
    EXPECT_EQ(m_info.xpdjmrsl, 12.5);
    EXPECT_TRUE(m_info.fmlspyjzdsy);
    EXPECT_TRUE(m_info.dztqy);
    EXPECT_EQ(m_info.dwmc, QStringLiteral("东方百货"));
}

TEST_F(TZorvaClassTest, SecondStoreFlagIsReadOnlyWhenTheFirstIsSet)
{
    struct Case {
        const char *Mdzdysj; // nullptr: no row
        const char *Mdzdyjj;
        bool First;
        bool Second;
    };
    for (const Case &c : std::vector<Case>{
             {"1", "1", true, true}, {"1", "0", true, false}, {"1", nullptr, true, false}, {"0", "1", false, false},
             {nullptr, "1", false, false}}) {
        std::vector<std::pair<QString, QString>> rows;
        if (c.Mdzdysj)
            rows.emplace_back(QStringLiteral("mdzdysj"), QString::fromLatin1(c.Mdzdysj));
        if (c.Mdzdyjj)
            rows.emplace_back(QStringLiteral("mdzdyjj"), QString::fromLatin1(c.Mdzdyjj));
        m_host->Params(rows);
        m_info.mdzdysj = m_info.mdzdyjj = true;
        EXPECT_TRUE(Read({S::mdzdysj}));
        EXPECT_EQ(m_info.mdzdysj, c.First);
        EXPECT_EQ(m_info.mdzdyjj, c.Second);
    }
}

TEST_F(TZorvaClassTest, TheFirstMissingRequiredKeyInReadingOrderWins)
{
    m_host->Params({{QStringLiteral("dwlx"), QStringLiteral("00")}, {QStringLiteral("dz"), QStringLiteral("路")}});
    EXPECT_FALSE(Read({S::zh, S::sh, S::dwlx, S::dz, S::lskz}));
    EXPECT_EQ(m_error, QStringLiteral("没有可利用的税号！"));
    EXPECT_EQ(m_info.dwlx, QStringLiteral("00"));
    EXPECT_TRUE(m_info.dz.isEmpty());
}

TEST_F(TZorvaClassTest, AllParametersAgainstAnEmptyTableFailOnTheUnitType)
{
    TSysParamSelectors all;
    for (int i = int(S::dwlx); i < int(S::Count_); ++i)
        all.Include(S(i));
    m_host->Params({});
    EXPECT_FALSE(Read(all));
    EXPECT_EQ(m_error, QStringLiteral("没有可利用的单位类型！"));
}

TEST_F(TZorvaClassTest, ANonNumericIntegerFailsWithTheConversionMessage)
{
    for (const auto &[value, message] : std::vector<std::pair<QString, QString>>{
             {QStringLiteral("abc"), QStringLiteral("'abc' is not a valid integer value")},
             {QStringLiteral("99999999999"), QStringLiteral("'99999999999' is not a valid integer value")}}) {
        m_host->Params({{QStringLiteral("fgckjb"), value}, {QStringLiteral("jsxtfs"), QStringLiteral("1")}});
        m_info.jsxtfs = 0;
        EXPECT_FALSE(Read({S::fgckjb, S::jsxtfs}));
        EXPECT_EQ(m_error, message);
        EXPECT_EQ(m_info.jsxtfs, 0);
    }
}

TEST_F(TZorvaClassTest, AMalformedParameterPacketFailsCleanly)
{
    m_host->Returns(DISPID_GetSysParams, QByteArray("HVPK garbage"));
    EXPECT_FALSE(Read({S::dwlx}));
    EXPECT_FALSE(m_error.isEmpty());

    TDataSet wrongColumns;
    wrongColumns.AddField(QStringLiteral("f_name"), TFieldType::String, 10);
    m_host->Returns(DISPID_GetSysParams, wrongColumns.Data());
    EXPECT_FALSE(Read({S::dwlx}));
    EXPECT_FALSE(m_error.isEmpty());
}

TEST_F(TZorvaClassTest, TheFormsSelectorSets)
{
    m_host->Params({{QStringLiteral("qyny"), QStringLiteral("200401")},
                    {QStringLiteral("dwlx"), QStringLiteral("02")},
                    {QStringLiteral("dybm"), QStringLiteral("0101")},
                    {QStringLiteral("sljd"), QStringLiteral("3")},
                    {QStringLiteral("khzqqy"), QStringLiteral("1")},
                    {QStringLiteral("zkhwlqy"), QStringLiteral("0")},
                    {QStringLiteral("jjkz"), QStringLiteral("1")}});
    m_info.OperatorCode = QStringLiteral("0001");
    EXPECT_TRUE(Read(InputFormSelectors)) << m_error.toStdString();
    EXPECT_EQ(m_info.dybm, QStringLiteral("0101"));
    EXPECT_EQ(m_info.sljd, QStringLiteral("0.000"));
    EXPECT_EQ(m_info.khzqqy, QStringLiteral("1"));
    EXPECT_EQ(m_info.CurDateTime, QStringLiteral("20050315093012"));
    EXPECT_FALSE(m_info.jjkz);

    EXPECT_TRUE(Read(BillSearchFormSelectors));
    EXPECT_TRUE(m_info.jjkz);

    EXPECT_FALSE(BrowseFormSelectors.Contains(S::CurDateTime));
    EXPECT_TRUE(BrowseFormSelectors.Contains(S::sljd));
    EXPECT_FALSE(BrowseFormSelectors.Contains(S::khzqqy));
}
