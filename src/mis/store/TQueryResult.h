#pragma once

#include "platform/data/TDataSet.h"
#include "platform/data/TFieldDef.h"

#include <QList>
#include <QString>
#include <QVariant>

// The rows of one SELECT as SQLite gave them, with a dataset type for each column: the declared
// column type where there is one, else the type of the column's first non-null value; a column
// of nulls only is text. A numeric column that also holds text widens to text, an integer column
// that also holds reals to float, so that no value is lost in the conversion.
struct TQueryResult {
    QList<TFieldDef> Columns;
    QList<QList<QVariant>> Rows;

    int IndexOf(const QString &column) const;
    QVariant Value(int row, const QString &column) const;
    TDataSet ToDataSet() const;
    // Tab-separated cells, one row a line, nulls as empty cells.
    QString ToText() const;
};
