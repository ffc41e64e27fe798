#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class TDataSet;

// What the bracketed references of a template can reach: the report's variables and datasets
// (both by name, without regard to case) and, while pages are made, the page numbers.
struct TReportScope {
    QList<QPair<QString, QVariant>> Variables;
    QList<QPair<QString, TDataSet *>> DataSets;
    int Page = 0;
    int TotalPages = 0;

    // Adds the variable when missing, replaces its value when present.
    void SetVariable(const QString &name, const QVariant &value)
    {
        for (auto &v : Variables)
            if (v.first.compare(name, Qt::CaseInsensitive) == 0) {
                v.second = value;
                return;
            }
        Variables.append({name, value});
    }
    const QVariant *Variable(const QString &name) const
    {
        for (const auto &v : Variables)
            if (v.first.compare(name, Qt::CaseInsensitive) == 0)
                return &v.second;
        return nullptr;
    }
    void SetDataSet(const QString &name, TDataSet *dataSet)
    {
        for (auto &d : DataSets)
            if (d.first.compare(name, Qt::CaseInsensitive) == 0) {
                d.second = dataSet;
                return;
            }
        DataSets.append({name, dataSet});
    }
    TDataSet *DataSet(const QString &name) const
    {
        for (const auto &d : DataSets)
            if (d.first.compare(name, Qt::CaseInsensitive) == 0)
                return d.second;
        return nullptr;
    }
};
