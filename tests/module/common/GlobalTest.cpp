#include "module/common/Global.h"
#include "platform/data/EPlatformError.h"
#include "platform/win/IniFile.h"
#include "platform/win/MessageBox.h"
#include "support/TestPrinters.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

TEST(Global, PadNumberPadsAndCutsToWidth)
{
    struct Case {
        int Width;
        bool Cut;
        qint64 Value;
        const char *Expected;
    };
    for (const Case &c : std::vector<Case>{{10, true, 123, "0000000123"},
                                           {2, true, 12345, "45"},
                                           {2, false, 12345, "12345"},
                                           {5, true, 12345, "12345"},
                                           {10, true, 0, "0000000000"}}) {
        EXPECT_EQ(PadNumber(c.Width, c.Cut, c.Value), QString::fromLatin1(c.Expected))
            << c.Width << " " << c.Cut << " " << c.Value;
    }
}

TEST(Global, NumberAndMonthTestsNeverRaise)
{
    for (const char *text : {"123", " 42 ", "-7", "9223372036854775807"})
        EXPECT_TRUE(IsIntegerText(QString::fromLatin1(text))) << text;
    for (const char *text : {"", "   ", "12a", "1.5", "9223372036854775808"})
        EXPECT_FALSE(IsIntegerText(QString::fromLatin1(text))) << text;

    EXPECT_TRUE(IsYearMonth(QStringLiteral("200505")));
    EXPECT_FALSE(IsYearMonth(QStringLiteral("20055")));
    EXPECT_FALSE(IsYearMonth(QStringLiteral("2005ab")));
    EXPECT_FALSE(IsYearMonth(QStringLiteral("2005055")));
}

TEST(Global, PrevMonthCrossesTheYear)
{
    EXPECT_EQ(PrevMonth(QStringLiteral("200503")), QStringLiteral("200502"));
    EXPECT_EQ(PrevMonth(QStringLiteral("200501")), QStringLiteral("200412"));
    EXPECT_EQ(PrevMonth(QStringLiteral("200412")), QStringLiteral("200411"));
    EXPECT_THROW(PrevMonth(QStringLiteral("abcdef")), EConvertError);
}

TEST(Global, MonthListRunsFromLastDownToFirst)
{
    QStringList list{QStringLiteral("stale")};
    MonthList(QStringLiteral("200411"), QStringLiteral("200502"), list);
    EXPECT_EQ(list, QStringList({"200502", "200501", "200412", "200411"}));

    MonthList(QStringLiteral("200503"), QStringLiteral("200502"), list);
    EXPECT_TRUE(list.isEmpty());

    MonthList(QStringLiteral("200502"), QStringLiteral("200502"), list);
    EXPECT_EQ(list, QStringList({"200502"}));
}

TEST(Global, MonthListEndsForAFirstMonthBelowEveryMonth)
{
    QStringList list;
    MonthList(QString(), QStringLiteral("000102"), list);
    ASSERT_EQ(list.size(), 14);
    EXPECT_EQ(list.first(), QStringLiteral("000102"));
    EXPECT_EQ(list.last(), QStringLiteral("000001"));
    MonthList(QStringLiteral("200401"), QStringLiteral("bad"), list);
    EXPECT_TRUE(list.isEmpty());
}

TEST(Global, UnionMonthsJoinsTheMonthTablesOldestFirst)
{
    const QString sqlTemplate = QStringLiteral("Select f_djh From tb000000_Yskmxzb Where f_djh In (Select f_djh From tb000000_yskmxcb)");
    QString text = QStringLiteral("stale");
    UnionMonths(sqlTemplate, QStringLiteral("200412"), QStringLiteral("200502"), text, false);
    EXPECT_EQ(text, QStringLiteral("Select f_djh From tb200412_Yskmxzb Where f_djh In (Select f_djh From tb200412_yskmxcb)"
                                   " Union All "
                                   "Select f_djh From tb200501_Yskmxzb Where f_djh In (Select f_djh From tb200501_yskmxcb)"
                                   " Union All "
                                   "Select f_djh From tb200502_Yskmxzb Where f_djh In (Select f_djh From tb200502_yskmxcb)"));

    UnionMonths(QStringLiteral("select * from tb000000_Ysfxmmx"), QStringLiteral("200501"), QStringLiteral("200502"), text, true);
    EXPECT_EQ(text, QStringLiteral("select * from tb200501_Ysfxmmx Union select * from tb200502_Ysfxmmx"));

    UnionMonths(QStringLiteral("select * from tb000000_Ysfxmmx"), QStringLiteral("200502"), QStringLiteral("200502"), text, false);
    EXPECT_EQ(text, QStringLiteral("select * from tb200502_Ysfxmmx"));

    UnionMonths(sqlTemplate, QStringLiteral("200503"), QStringLiteral("200502"), text, false);
    EXPECT_TRUE(text.isEmpty());
}

class GlobalHostError : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = Win::SetMessageBoxFunction([this](const Win::TMessageBoxRequest &request) {
            m_boxes.push_back(request);
            return Win::IDOK;
        });
    }
    void TearDown() override { Win::SetMessageBoxFunction(m_previous); }

    std::vector<Win::TMessageBoxRequest> m_boxes;

private:
    Win::TMessageBoxFunction m_previous;
};

TEST_F(GlobalHostError, JoinsTheHostMessagesAndShowsThemInAnErrorBox)
{
    QString text;
    ShowHostError(42, QStringList{QStringLiteral("A"), QStringLiteral("B")}, QString(), text);
    EXPECT_EQ(text, QStringLiteral("A\r\nB"));
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].Owner, 42u);
    EXPECT_EQ(m_boxes[0].Text, QStringLiteral("A\r\nB"));
    EXPECT_EQ(m_boxes[0].Caption, QStringLiteral("错误"));
    EXPECT_EQ(m_boxes[0].Flags, unsigned(Win::MB_OK | Win::MB_ICONERROR));

    ShowHostError(42, QVariantList{QStringLiteral("单据不存在"), 7}, QStringLiteral("保存失败"), text);
    EXPECT_EQ(text, QStringLiteral("保存失败\r\n单据不存在\r\n7"));
}

TEST_F(GlobalHostError, UnreadablePayloadReadsUnknownError)
{
    QString text;
    ShowHostError(42, QStringLiteral("not an array"), QString(), text);
    EXPECT_EQ(text, QStringLiteral("未知错误！"));
    ShowHostError(42, QVariant(), QStringLiteral("P"), text);
    EXPECT_EQ(text, QStringLiteral("P\r\n未知错误！"));
    EXPECT_EQ(m_boxes.size(), 2u);
}

TEST_F(GlobalHostError, WindowZeroOnlyBuildsTheText)
{
    QString text;
    ShowHostError(0, QStringList{QStringLiteral("A")}, QStringLiteral("P"), text);
    EXPECT_EQ(text, QStringLiteral("P\r\nA"));
    ShowHostError(0, QStringList{}, QStringLiteral("P"), text);
    EXPECT_EQ(text, QStringLiteral("P"));
    EXPECT_TRUE(m_boxes.empty());
}

TEST(Global, AsRecordsetTakesOnlyARecordset)
{
    TDataSet rows;
    rows.AddField(QStringLiteral("f_djh"), TFieldType::String, 15);
    rows.Append();
    rows.FieldByName(QStringLiteral("f_djh")).SetValue(QStringLiteral("0000000001"));
    const TRecordset recordset = AsRecordset(QVariant::fromValue(TRecordset(rows)));
    ASSERT_FALSE(recordset.IsNull());
    EXPECT_EQ(recordset.Data().RecordCount(), 1);

    EXPECT_TRUE(AsRecordset(QStringLiteral("select 1")).IsNull());
    EXPECT_TRUE(AsRecordset(QVariant()).IsNull());
}

TEST(Global, FieldCountAndFieldAt)
{
    EXPECT_EQ(FieldCount(QString(), ','), 0);
    EXPECT_EQ(FieldCount(QStringLiteral("abc"), ','), 1);
    EXPECT_EQ(FieldCount(QStringLiteral("a,b"), ','), 2);
    EXPECT_EQ(FieldCount(QStringLiteral(","), ','), 2);

    struct Case {
        const char *Text;
        int N;
        const char *Expected;
    };
    for (const Case &c : std::vector<Case>{{"a,b,c", 1, "a"},
                                           {"a,b,c", 2, "b"},
                                           {"a,b,c", 3, "c"},
                                           {"a,b,c", 4, ""},
                                           {"a,b,c", 0, ""},
                                           {"abc", 1, ""},
                                           {"abc", 2, ""},
                                           {"a,,c", 2, ""},
                                           {"a,", 2, ""},
                                           {",b", 1, ""},
                                           {",b", 2, "b"}}) {
        EXPECT_EQ(FieldAt(QString::fromLatin1(c.Text), ',', c.N), QString::fromLatin1(c.Expected))
            << c.Text << " n=" << c.N;
    }
}

TEST(Global, SplitTrimmedFailsOnAnEmptyPiece)
{
    QStringList list{QStringLiteral("stale")};
    EXPECT_TRUE(SplitTrimmed(QStringLiteral(","), QStringLiteral(" a , b ,c"), list));
    EXPECT_EQ(list, QStringList({"a", "b", "c"}));

    EXPECT_TRUE(SplitTrimmed(QStringLiteral("||"), QStringLiteral("甲 || 乙"), list));
    EXPECT_EQ(list, QStringList({"甲", "乙"}));

    EXPECT_FALSE(SplitTrimmed(QStringLiteral(","), QStringLiteral("a, ,b"), list));
    EXPECT_EQ(list, QStringList({"a", "", "b"}));
    EXPECT_FALSE(SplitTrimmed(QStringLiteral(","), QStringLiteral("a,"), list));
    EXPECT_FALSE(SplitTrimmed(QStringLiteral(","), QString(), list));
}

TEST(Global, SplitTrimmedWithAnEmptySeparatorKeepsTheWholeText)
{
    QStringList list;
    EXPECT_TRUE(SplitTrimmed(QString(), QStringLiteral(" a,b "), list));
    EXPECT_EQ(list, QStringList({"a,b"}));
}

TEST(Global, IniValuesLiveInTheGivenFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    WriteIni(QStringLiteral("Halvernpos.ini"), QStringLiteral("prepgathering"), QStringLiteral("SplitterSize"), folder,
             QStringLiteral("180"));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("Halvernpos.ini")));

    QString value = QStringLiteral("stale");
    ReadIni(QStringLiteral("Halvernpos.ini"), QStringLiteral("PREPGATHERING"), QStringLiteral("splittersize"), value,
            folder, QStringLiteral("100"));
    EXPECT_EQ(value, QStringLiteral("180"));
    ReadIni(QStringLiteral("Halvernpos.ini"), QStringLiteral("prepgathering"), QStringLiteral("PrintTemplate"), value,
            folder, QStringLiteral("默认"));
    EXPECT_EQ(value, QStringLiteral("默认"));
    ReadIni(QStringLiteral("Missing.ini"), QStringLiteral("prepgathering"), QStringLiteral("SplitterSize"), value,
            folder, QString());
    EXPECT_TRUE(value.isEmpty());
}

TEST(Global, IniFolderEmptyOrASeparatorMeansTheHostProgramFolder)
{
    const QString fileName = QStringLiteral("GlobalTest-%1.ini").arg(QCoreApplication::applicationPid());
    for (const QString &folder : {QString(), QStringLiteral("\\"), QStringLiteral("/")}) {
        WriteIni(fileName, QStringLiteral("ColorOption"), QStringLiteral("Folder"), folder, QStringLiteral("host"));
        QString value;
        ReadIni(fileName, QStringLiteral("ColorOption"), QStringLiteral("Folder"), value, Win::HostProgramFolder(), QString());
        EXPECT_EQ(value, QStringLiteral("host")) << folder.toStdString();
        QFile::remove(Win::HostProgramFolder() + fileName);
    }
}
