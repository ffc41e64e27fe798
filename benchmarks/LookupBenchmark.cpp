// The customer lookup by name over 100,000 trading partners, as the clerk meets it (statement,
// host, packet, the list filled with its 1,000 rows), beside what SQLite itself needs for the
// same statement once the host has adapted it.
#include "mis/store/TMisHostService.h"
#include "mis/store/TShopDatabase.h"
#include "mis/store/TStatementAdapter.h"
#include "module/services/LookupStatements.h"
#include "module/services/TZorvaClass.h"
#include "platform/widgets/TListView.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

constexpr int Partners = 100000;
const QString SearchText = QStringLiteral("华联");

// A shop of count customers, suppliers and producers, one name in five with the search text.
struct TLookupShop {
    QTemporaryDir Folder;
    std::unique_ptr<TShopDatabase> Db;

    explicit TLookupShop(int count)
    {
        Db = std::move(*TShopDatabase::Open(Folder.filePath(QStringLiteral("lookup.db"))));
        (void)Db->Execute(QStringLiteral("INSERT INTO tbSysMsg (f_csmc,f_csz) VALUES ('dqny','200503')"));
        (void)Db->Execute(QStringLiteral(
                              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<?)"
                              " INSERT INTO tbcsda (f_csbm,f_csmc,f_zjf,f_cslx,f_jb,f_mj)"
                              " SELECT printf('%d%07d', i%3, i), (CASE i%5 WHEN 0 THEN '北京华联' WHEN 1 THEN '上海恒信'"
                              " WHEN 2 THEN '广州天虹' WHEN 3 THEN '成都银座' ELSE '南京金鹰' END) || '商贸有限公司' || i,"
                              " 'ZJF' || i, CAST(i%3 AS TEXT), 3, 1 FROM n"),
                          {count});
    }
    QString Path() const { return Db->Path(); }
};

void LookupManufacturerByName(benchmark::State &state)
{
    TLookupShop shop(Partners);
    TRudoDispPtr host(new TMisHostService(*shop.Db, THostSettings{QStringLiteral("SQLSERVER"), QStringLiteral("200503"), {}}));
    QWidget panel;
    panel.resize(800, 600);
    auto *edit = new QLineEdit(&panel);
    TZorvaClass zorva(host, 0);
    TManufacturerInfo info;
    for (auto _ : state)
        zorva.LookupManufacturer(7, &panel, edit, edit, SearchText, info, clWhite, 0, 0, 30, 10);
    state.counters["rows"] = zorva.LookupList() ? zorva.LookupList()->ItemCount() : 0;
}
BENCHMARK(LookupManufacturerByName)->Unit(benchmark::kMillisecond);

void SameStatementInSqlite(benchmark::State &state)
{
    TLookupShop shop(Partners);
    const QByteArray sql = TStatementAdapter(QStringLiteral("SQLSERVER"))
                               .Translate(LookupSql::ManufacturerSearch(QStringLiteral("SQLSERVER"),
                                                                        LookupSql::TSearchKind::ByName,
                                                                        LookupSql::ManufacturerGroup(7)->Filter, SearchText))
                               .toUtf8();
    sqlite3 *db = nullptr;
    sqlite3_open(shop.Path().toUtf8().constData(), &db);
    int rows = 0;
    for (auto _ : state) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
        rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int column = 0; column < sqlite3_column_count(stmt); ++column)
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, column));
            ++rows;
        }
        sqlite3_finalize(stmt);
    }
    state.counters["rows"] = rows;
    sqlite3_close(db);
}
BENCHMARK(SameStatementInSqlite)->Unit(benchmark::kMillisecond);

} // namespace

// The lookup's list is a widget: the benchmarks run under an offscreen application.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
