#pragma once

#include "TDataSet.h"

#include <QMetaType>
#include <QSharedPointer>

// What the host's QueryRecordset hands back: a shared, read-only result table that a dataset
// over a recordset presents. Carried inside a QVariant.
class TRecordset {
public:
    TRecordset() = default;
    explicit TRecordset(TDataSet data) : m_data(QSharedPointer<const TDataSet>::create(std::move(data))) {}

    bool IsNull() const { return m_data.isNull(); }
    const TDataSet &Data() const { return *m_data; }

private:
    QSharedPointer<const TDataSet> m_data;
};

Q_DECLARE_METATYPE(TRecordset)
