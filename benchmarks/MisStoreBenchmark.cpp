// The host's store against raw SQLite: saving a bill through the host's automation object, and
// a name search over 100,000 trading partners as the customer lookup sends it.
#include "mis/store/TMisHostService.h"
#include "mis/store/TShopDatabase.h"

#include "platform/data/TDataSet.h"
#include "platform/win/ZorvaHostContract.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

const char *const NameSearch = "Select top 1000 f_csbm,f_csmc,f_zjf,f_mj,f_kzbz,f_lxr,f_dh,f_Cz,f_sh from tbcsda"
                               " where (f_cslx='1') and  f_csmc Like '%华联%' order by f_csbm ";
const char *const RawNameSearch = "Select f_csbm,f_csmc,f_zjf,f_mj,f_kzbz,f_lxr,f_dh,f_Cz,f_sh from tbcsda"
                                  " where (f_cslx='1') and  f_csmc Like '%华联%' order by f_csbm limit 1000";

// A shop database in a temporary folder with its host.
struct TBenchShop {
    QTemporaryDir Folder;
    std::unique_ptr<TShopDatabase> Db;
    TRudoDispPtr Host;

    TBenchShop()
    {
        Db = std::move(*TShopDatabase::Open(Folder.filePath(QStringLiteral("bench.db"))));
        Host = TRudoDispPtr(new TMisHostService(*Db, THostSettings{QStringLiteral("SQLSERVER"), QStringLiteral("200503"), {}}));
    }
    QString Path() const { return Folder.filePath(QStringLiteral("bench.db")); }

    void AddPartners(int count)
    {
        (void)Db->Execute(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<?)"
            " INSERT INTO tbcsda (f_csbm,f_csmc,f_zjf,f_cslx,f_jb,f_mj)"
            " SELECT printf('%d%07d', i%3, i), (CASE i%5 WHEN 0 THEN '北京华联' WHEN 1 THEN '上海恒信' WHEN 2 THEN '广州天虹'"
            " WHEN 3 THEN '成都银座' ELSE '南京金鹰' END) || '商贸有限公司' || i, 'ZJF' || i, CAST(i%3 AS TEXT), 3, 1 FROM n"),
            {count});
    }
};

TDataSet Lines(const QStringList &fields, int rows)
{
    TDataSet ds;
    for (const QString &field : fields)
        ds.AddField(field, field == QLatin1String("f_zfje") || field == QLatin1String("f_sfje") ? TFieldType::Float : TFieldType::String);
    for (int r = 0; r < rows; ++r) {
        ds.Append();
        for (int f = 0; f < fields.size(); ++f) {
            const QString &name = fields.at(f);
            ds.Fields(f).SetValue(name == QLatin1String("f_zfje") || name == QLatin1String("f_sfje") ? QVariant(100.0 + r)
                                  : name == QLatin1String("f_zdrq")                                  ? QVariant(QStringLiteral("20050315"))
                                  : name == QLatin1String("f_bmbm")                                  ? QVariant(QStringLiteral("01"))
                                  : name == QLatin1String("f_csbm")                                  ? QVariant(QStringLiteral("2101001"))
                                                                                                     : QVariant(QStringLiteral("01")));
        }
        ds.Post();
    }
    return ds;
}

void SaveBillThroughHost(benchmark::State &state)
{
    TBenchShop shop;
    const QByteArray payments = Lines({"f_djh", "f_zdrq", "f_bmbm", "f_csbm", "f_zffsbm", "f_zfje", "f_zph"}, 2).Data();
    const QByteArray items = Lines({"f_djh", "f_zdrq", "f_bmbm", "f_csbm", "f_sfxmbm", "f_sfje", "f_ddh"}, 2).Data();
    for (auto _ : state) {
        QVariantList args{0, payments, items};
        const auto result = shop.Host->Invoke(DISPID_BillUpdate, args);
        if (!result.Value.toBool())
            state.SkipWithError("bill refused");
    }
}
BENCHMARK(SaveBillThroughHost);

sqlite3_stmt *Prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    return stmt;
}

void SaveBillRawSqlite(benchmark::State &state)
{
    TBenchShop shop;
    (void)shop.Db->EnsureMonthTables(QStringLiteral("200503"));
    sqlite3 *db = nullptr;
    sqlite3_open(shop.Path().toUtf8().constData(), &db);
    sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    sqlite3_stmt *header = Prepare(db, "INSERT INTO tb200503_Yskmxzb (f_djh,f_bmbm,f_zdrq,f_csbm) VALUES (?,'01','20050315','2101001')");
    sqlite3_stmt *payment = Prepare(db, "INSERT INTO tb200503_yskmxcb (f_djh,f_bmbm,f_dnxh,f_zffsbm,f_zfje) VALUES (?,'01',?,'01',100)");
    sqlite3_stmt *item = Prepare(db, "INSERT INTO tb200503_Ysfxmmx (f_djh,f_bmbm,f_dnxh,f_sfxmbm,f_sfje) VALUES (?,'01',?,'0001',100)");
    sqlite3_stmt *highest = Prepare(db, "SELECT ifnull(max(CAST(f_djh AS INTEGER)),0)+1 FROM tb200503_Yskmxzb");
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_step(highest);
        const sqlite3_int64 number = sqlite3_column_int64(highest, 0);
        sqlite3_reset(highest);
        const QByteArray text = QByteArray::number(number).rightJustified(10, '0');
        sqlite3_bind_text(header, 1, text.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(header);
        sqlite3_reset(header);
        for (sqlite3_stmt *line : {payment, item}) {
            for (int n = 0; n < 2; ++n) {
                sqlite3_bind_text(line, 1, text.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(line, 2, n);
                sqlite3_step(line);
                sqlite3_reset(line);
            }
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    for (sqlite3_stmt *stmt : {header, payment, item, highest})
        sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(SaveBillRawSqlite);

void NameSearchThroughHost(benchmark::State &state)
{
    TBenchShop shop;
    shop.AddPartners(int(state.range(0)));
    int rows = 0;
    for (auto _ : state) {
        QVariantList args{QString::fromUtf8(NameSearch), QVariant()};
        shop.Host->Invoke(DISPID_QuerySql, args);
        rows = TDataSet::FromPacket(args.at(1).toByteArray())->RecordCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(NameSearchThroughHost)->Arg(100000)->Unit(benchmark::kMillisecond);

void NameSearchRawSqlite(benchmark::State &state)
{
    TBenchShop shop;
    shop.AddPartners(int(state.range(0)));
    sqlite3 *db = nullptr;
    sqlite3_open(shop.Path().toUtf8().constData(), &db);
    int rows = 0;
    for (auto _ : state) {
        sqlite3_stmt *stmt = Prepare(db, RawNameSearch);
        rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 1));
            ++rows;
        }
        sqlite3_finalize(stmt);
    }
    state.counters["rows"] = rows;
    sqlite3_close(db);
}
BENCHMARK(NameSearchRawSqlite)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
