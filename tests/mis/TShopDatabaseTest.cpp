#include "THostCalls.h"

#include "mis/store/TShopDatabase.h"
#include "platform/data/TRecordset.h"
#include "platform/win/ZorvaHostContract.h"
#include "support/TTestHost.h"
#include "support/TestPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TTestHost::TOptions BareSchema()
{
    TTestHost::TOptions options;
    options.Demo = false;
    return options;
}

} // namespace

TEST(TShopDatabase, OpenCreatesTheSchemaOnceAndReportsEmptyUntilSeeded)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("shop.db"));
    {
        auto db = TShopDatabase::Open(path);
        ASSERT_TRUE(db) << db.Error().toStdString();
        EXPECT_TRUE((*db)->IsEmpty());
        ASSERT_TRUE((*db)->Execute(QStringLiteral("INSERT INTO tbSysMsg (f_csmc,f_csz) VALUES ('dwlx','01')")));
    }
    auto reopened = TShopDatabase::Open(path);
    ASSERT_TRUE(reopened);
    EXPECT_FALSE((*reopened)->IsEmpty());
    auto mode = (*reopened)->Query(QStringLiteral("PRAGMA journal_mode"));
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->Rows.at(0).at(0).toString(), QStringLiteral("wal"));
}

TEST(TShopDatabase, AFileThatIsNoDatabaseIsRefusedWithAMessage)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notes.db"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    auto db = TShopDatabase::Open(path);
    ASSERT_FALSE(db);
    EXPECT_TRUE(db.Error().contains(QStringLiteral("not a database"))) << db.Error().toStdString();
}

TEST(TShopDatabase, ASelectCreatesTheMonthTablesItNamesButNotThePlaceholderMonth)
{
    TTestHost host(BareSchema());
    auto rows = host.Database().QueryReadOnly(
        QStringLiteral("select count(*) from tb200411_YSKMXZB zb, tb200411_yskmxcb cb, TB200411_Ysfxmmx x,"
                       " tb200411_spddzb z, tb200411_spddcb c"));
    ASSERT_TRUE(rows) << rows.Error().toStdString();
    EXPECT_EQ(rows->Rows.at(0).at(0).toInt(), 0);
    EXPECT_EQ(host.Database().ExistingMonths(), QStringList{QStringLiteral("200411")});

    auto placeholder = host.Database().QueryReadOnly(QStringLiteral("select * from tb000000_yskmxzb"));
    ASSERT_FALSE(placeholder);
    EXPECT_TRUE(placeholder.Error().contains(QStringLiteral("no such table")));
}

TEST(TShopDatabase, QuerySqlRunsOnlyOneReadingStatement)
{
    TTestHost host;
    for (const char *sql : {"delete from tbzffs", "select 1; delete from tbzffs", "update tbzffs set f_zffsmc=''",
                            "drop table tbzffs"}) {
        const THostReply reply = CallHost(host.Disp(), DISPID_QuerySql, {QString::fromUtf8(sql), QVariant()});
        EXPECT_TRUE(reply.Dispatched);
        EXPECT_FALSE(reply.Ok) << sql;
        EXPECT_FALSE(reply.Messages().isEmpty()) << sql;
    }
    EXPECT_EQ(host.Select(QStringLiteral("select count(*) from tbzffs")), QStringList{QStringLiteral("6")});
}

TEST(TShopDatabase, AStatementSQLiteCannotRunIsAFailedCallWithTheDatabaseMessage)
{
    TTestHost host;
    const THostReply reply =
        CallHost(host.Disp(), DISPID_QuerySql, {QStringLiteral("select f_nosuch from tbcsda"), QVariant()});
    ASSERT_TRUE(reply.Dispatched);
    EXPECT_FALSE(reply.Ok);
    EXPECT_EQ(reply.Messages(), QStringList{QStringLiteral("no such column: f_nosuch")});

    const THostReply recordset =
        CallHost(host.Disp(), DISPID_QueryRecordset, {QStringLiteral("selec 1"), QVariant()});
    EXPECT_FALSE(recordset.Ok);
    EXPECT_EQ(recordset.Messages().size(), 1);
}

TEST(TShopDatabase, PacketColumnsTakeTheDeclaredTypeElseTheFirstValueAndWidenWhenValuesDisagree)
{
    TTestHost host;
    const THostReply reply = CallHost(
        host.Disp(), DISPID_QuerySql,
        {QStringLiteral("select f_csbm, f_jb, 1.5 r, null n, sum(f_mj) s from tbcsda where f_csbm='2101001'"
                        " union all select 'x', 2, 'text', null, 2.5"),
         QVariant()});
    ASSERT_TRUE(reply.Ok) << reply.Messages().join(QLatin1Char(';')).toStdString();
    const TDataSet ds = Packet(reply.Args.at(1));
    ASSERT_EQ(ds.FieldCount(), 5);
    const QList<TFieldType> expected{TFieldType::String, TFieldType::Integer, TFieldType::String, TFieldType::String,
                                     TFieldType::Float};
    for (int f = 0; f < 5; ++f) {
        EXPECT_EQ(int(ds.FieldDef(f).DataType), int(expected.at(f))) << ds.FieldDef(f).Name.toStdString();
        EXPECT_EQ(ds.FieldDef(f).Size, 0);
    }
    EXPECT_EQ(ds.Value(0, 2).toString(), QStringLiteral("1.5"));
    EXPECT_EQ(ds.Value(1, 4).toDouble(), 2.5);
}

TEST(TShopDatabase, QueryRecordsetHandsBackARecordsetOfTheRows)
{
    TTestHost host;
    const THostReply reply = CallHost(host.Disp(), DISPID_QueryRecordset,
                                      {QStringLiteral("select f_zffsbm, f_zffsmc from tbzffs order by f_zffsbm"), QVariant()});
    ASSERT_TRUE(reply.Ok);
    const TRecordset recordset = reply.Args.at(1).value<TRecordset>();
    ASSERT_FALSE(recordset.IsNull());
    EXPECT_EQ(recordset.Data().RecordCount(), 6);
    EXPECT_EQ(recordset.Data().Value(0, 1).toString(), QStringLiteral("现金"));
}
