#include "TGridColumnLayout.h"

#include "module/common/Global.h"
#include "platform/widgets/TAdvColumnGrid.h"

#include <limits>

TGridColumnLayout::TGridColumnLayout(QString fileName, QString section, QString folder)
    : m_fileName(std::move(fileName)), m_section(std::move(section)), m_folder(std::move(folder))
{
}

void TGridColumnLayout::Load(TAdvColumnGrid &grid) const
{
    for (int col = 0; col < grid.ColCount(); ++col) {
        if (!grid.IsColumnVisible(col))
            continue;
        QString value;
        ReadIni(m_fileName, m_section, ColumnKey(grid.Cells(col, 0)), value, m_folder, QStringLiteral("1,0"));
        const QStringList parts = value.split(QLatin1Char(','));
        if (parts.at(0).trimmed() != QLatin1String("1"))
            grid.HideColumn(col);
        if (parts.size() > 1 && IsIntegerText(parts.at(1))) {
            const qint64 width = parts.at(1).trimmed().toLongLong();
            if (width > 0 && width <= std::numeric_limits<int>::max())
                grid.SetColWidths(col, int(width));
        }
    }
}

void TGridColumnLayout::Save(const TAdvColumnGrid &grid) const
{
    for (int col = 0; col < grid.ColCount(); ++col) {
        const QString value = QStringLiteral("%1,%2").arg(grid.IsColumnVisible(col) ? 1 : 0).arg(grid.ColWidths(col));
        WriteIni(m_fileName, m_section, ColumnKey(grid.Cells(col, 0)), m_folder, value);
    }
}

QString TGridColumnLayout::ColumnKey(const QString &header)
{
    QString joined = header;
    joined.replace(QStringLiteral("><"), QString());
    const qsizetype open = joined.indexOf(QLatin1Char('>'));
    if (open < 0)
        return joined;
    const qsizetype close = joined.indexOf(QLatin1Char('<'), open + 1);
    return joined.mid(open + 1, close < 0 ? -1 : close - open - 1);
}
