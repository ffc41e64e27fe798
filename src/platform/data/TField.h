#pragma once

#include "TFieldDef.h"

#include <QVariant>

class TDataSet;

// A view of one field of a dataset's current row, as the forms read and write values:
// ds.FieldByName("f_djh").AsString(). It stays valid as long as its dataset does.
class TField {
public:
    TField(TDataSet *dataSet, int index) : m_dataSet(dataSet), m_index(index) {}

    const TFieldDef &Def() const;
    const QString &FieldName() const { return Def().Name; }
    int Index() const { return m_index; }

    QVariant Value() const;
    bool IsNull() const;
    // Conversions raise EConvertError for a text that is not a number.
    QString AsString() const;
    qint64 AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;
    // The value as shown: floats with the display format, when there is one.
    QString DisplayText() const;

    void SetValue(const QVariant &value) const;
    void Clear() const { SetValue(QVariant()); }

private:
    TDataSet *m_dataSet;
    int m_index;
};
