#include "TField.h"

#include "EPlatformError.h"
#include "NumberText.h"
#include "TDataSet.h"

#include <QDateTime>

const TFieldDef &TField::Def() const
{
    return m_dataSet->FieldDef(m_index);
}

QVariant TField::Value() const
{
    return m_dataSet->CurrentValue(m_index);
}

bool TField::IsNull() const
{
    return !Value().isValid();
}

QString TField::AsString() const
{
    const QVariant value = Value();
    if (!value.isValid())
        return {};
    switch (Def().DataType) {
    case TFieldType::Float:
        return FloatToStr(value.toDouble());
    case TFieldType::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::DateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    default:
        return value.toString();
    }
}

qint64 TField::AsInteger() const
{
    const QVariant value = Value();
    if (!value.isValid())
        return 0;
    switch (Def().DataType) {
    case TFieldType::String:
        return StrToInt64(value.toString());
    case TFieldType::Float:
        return qRound64(value.toDouble());
    default:
        return value.toLongLong();
    }
}

double TField::AsFloat() const
{
    const QVariant value = Value();
    if (!value.isValid())
        return 0;
    if (Def().DataType == TFieldType::String)
        return StrToFloat(value.toString());
    return value.toDouble();
}

bool TField::AsBoolean() const
{
    const QVariant value = Value();
    if (!value.isValid())
        return false;
    if (Def().DataType == TFieldType::String) {
        const QString text = value.toString();
        return !text.isEmpty() && QStringLiteral("YyTt1").contains(text.at(0));
    }
    return value.toBool();
}

QString TField::DisplayText() const
{
    if (Def().DataType == TFieldType::Float && !Def().DisplayFormat.isEmpty() && !IsNull())
        return FormatFloat(Def().DisplayFormat, AsFloat());
    return AsString();
}

void TField::SetValue(const QVariant &value) const
{
    m_dataSet->SetCurrentValue(m_index, value);
}
