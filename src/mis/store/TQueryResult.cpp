#include "TQueryResult.h"

#include "platform/data/NumberText.h"

int TQueryResult::IndexOf(const QString &column) const
{
    for (int i = 0; i < Columns.size(); ++i) {
        if (Columns.at(i).Name.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant TQueryResult::Value(int row, const QString &column) const
{
    const int index = IndexOf(column);
    return index < 0 ? QVariant() : Rows.at(row).at(index);
}

TDataSet TQueryResult::ToDataSet() const
{
    TDataSet dataSet(Columns);
    for (int row = 0; row < Rows.size(); ++row) {
        dataSet.Append();
        for (int field = 0; field < Columns.size(); ++field)
            dataSet.Fields(field).SetValue(Rows.at(row).at(field));
        dataSet.Post();
    }
    dataSet.MergeChangeLog();
    dataSet.First();
    return dataSet;
}

QString TQueryResult::ToText() const
{
    QStringList lines;
    for (const auto &row : Rows) {
        QStringList cells;
        for (const QVariant &cell : row) {
            if (cell.isNull())
                cells.append(QString());
            else if (cell.typeId() == QMetaType::Double)
                cells.append(FloatToStr(cell.toDouble()));
            else
                cells.append(cell.toString());
        }
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n'));
}
