#include "TReportExpander.h"

#include "platform/data/NumberText.h"
#include "platform/data/TDataSet.h"

namespace {

struct TFieldRef {
    TDataSet *DataSet = nullptr;
    int Field = -1;
};

// "Data."field"" or "Data.field", optionally inside its own brackets.
TFieldRef ResolveField(const TReportScope &scope, QString reference)
{
    reference = reference.trimmed();
    if (reference.startsWith(u'[') && reference.endsWith(u']'))
        reference = reference.mid(1, reference.size() - 2).trimmed();
    const qsizetype dot = reference.indexOf(u'.');
    if (dot <= 0)
        return {};
    QString field = reference.mid(dot + 1).trimmed();
    if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
        field = field.mid(1, field.size() - 2);
    TDataSet *dataSet = scope.DataSet(reference.left(dot).trimmed());
    if (!dataSet)
        return {};
    return {dataSet, dataSet->IndexOfField(field)};
}

bool IsNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

QString Show(const QVariant &value, const QString &format)
{
    if (IsNumber(value))
        return format.isEmpty() ? FloatToStr(value.toDouble()) : FormatFloat(format, value.toDouble());
    return value.toString();
}

} // namespace

QString TReportExpander::Expand(const QString &text, const QString &displayFormat) const
{
    QString result;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(u'[', i);
        if (open < 0)
            break;
        int depth = 0;
        qsizetype close = -1;
        for (qsizetype j = open; j < text.size() && close < 0; ++j) {
            if (text.at(j) == u'[')
                ++depth;
            else if (text.at(j) == u']' && --depth == 0)
                close = j;
        }
        if (close < 0)
            break;
        result += text.mid(i, open - i);
        result += Evaluate(text.mid(open + 1, close - open - 1), displayFormat);
        i = close + 1;
    }
    return result + text.mid(i);
}

QString TReportExpander::Evaluate(const QString &reference, const QString &displayFormat) const
{
    const QString name = reference.trimmed();
    if (name.compare(u"Page#", Qt::CaseInsensitive) == 0)
        return QString::number(m_scope.Page);
    if (name.compare(u"TotalPages#", Qt::CaseInsensitive) == 0)
        return QString::number(m_scope.TotalPages);
    if (name.startsWith(u"SUM(", Qt::CaseInsensitive) && name.endsWith(u')')) {
        const TFieldRef ref = ResolveField(m_scope, name.mid(4, name.size() - 5));
        if (!ref.DataSet || ref.Field < 0)
            return {};
        double sum = 0;
        for (int row = 0; row < ref.DataSet->RecordCount(); ++row)
            sum += ref.DataSet->Value(row, ref.Field).toDouble();
        const QString format = displayFormat.isEmpty() ? ref.DataSet->FieldDef(ref.Field).DisplayFormat : displayFormat;
        return Show(sum, format);
    }
    if (const QVariant *value = m_scope.Variable(name))
        return Show(*value, displayFormat);
    const TFieldRef ref = ResolveField(m_scope, name);
    if (!ref.DataSet || ref.Field < 0 || ref.DataSet->IsEmpty())
        return {};
    const QVariant value = ref.DataSet->Value(ref.DataSet->RecNo() - 1, ref.Field);
    return Show(value, displayFormat.isEmpty() ? ref.DataSet->FieldDef(ref.Field).DisplayFormat : displayFormat);
}
