#include "TTestHost.h"

#include "mis/store/DemoData.h"

#include "platform/data/NumberText.h"

#include <gtest/gtest.h>

TTestHost::TTestHost(TOptions options) : m_options(std::move(options))
{
    auto db = TShopDatabase::Open(DatabasePath());
    if (!db) {
        ADD_FAILURE() << "test database: " << db.Error().toStdString();
        return;
    }
    m_db = std::move(*db);
    if (m_options.Demo) {
        if (auto seeded = SeedDemoData(*m_db, m_options.Now.date()); !seeded)
            ADD_FAILURE() << "demo data: " << seeded.Error().toStdString();
    }
    m_service = new TMisHostService(*m_db, THostSettings{m_options.DbType, m_options.YearMonth, m_options.Now});
    m_host = TRudoDispPtr(m_service);
}

QString TTestHost::DatabasePath() const
{
    return m_folder.filePath(QStringLiteral("shop.db"));
}

QStringList TTestHost::Select(const QString &sql, const QVariantList &params) const
{
    auto rows = m_db->Query(sql, params);
    if (!rows) {
        ADD_FAILURE() << sql.toStdString() << ": " << rows.Error().toStdString();
        return {};
    }
    QStringList lines;
    for (const auto &row : rows->Rows) {
        QStringList cells;
        for (const QVariant &cell : row)
            cells.append(cell.typeId() == QMetaType::Double ? FloatToStr(cell.toDouble()) : cell.toString());
        lines.append(cells.join(QLatin1Char('|')));
    }
    return lines;
}

void TTestHost::Execute(const QString &sql, const QVariantList &params) const
{
    if (auto done = m_db->Execute(sql, params); !done)
        ADD_FAILURE() << sql.toStdString() << ": " << done.Error().toStdString();
}
