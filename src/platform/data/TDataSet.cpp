#include "TDataSet.h"

#include "EPlatformError.h"
#include "NumberText.h"
#include "TDataPacket.h"
#include "TGbkCodec.h"

#include <QDateTime>

#include <algorithm>

TDataSet::TDataSet(QList<TFieldDef> fields) : m_fields(std::move(fields)) {}

TFieldDef &TDataSet::AddField(const QString &name, TFieldType type, int size)
{
    TFieldDef def;
    def.Name = name;
    def.DataType = type;
    def.Size = size;
    m_fields.append(def);
    for (auto &row : m_rows)
        row.append(QVariant());
    return m_fields.last();
}

int TDataSet::IndexOfField(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<TField> TDataSet::FindField(const QString &name)
{
    const int index = IndexOfField(name);
    if (index < 0)
        return std::nullopt;
    return TField(this, index);
}

TField TDataSet::FieldByName(const QString &name)
{
    const int index = IndexOfField(name);
    if (index < 0)
        throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    return TField(this, index);
}

void TDataSet::Clear()
{
    m_fields.clear();
    EmptyDataSet();
}

void TDataSet::EmptyDataSet()
{
    m_rows.clear();
    m_cursor = 0;
    m_eof = m_bof = true;
    m_changeCount = 0;
}

void TDataSet::SetRecNo(int recNo)
{
    if (m_rows.isEmpty())
        return;
    m_cursor = std::clamp(recNo - 1, 0, int(m_rows.size()) - 1);
    m_eof = m_bof = false;
}

void TDataSet::First()
{
    m_cursor = 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
}

void TDataSet::Last()
{
    m_cursor = std::max(0, int(m_rows.size()) - 1);
    m_eof = true;
    m_bof = m_rows.isEmpty();
}

void TDataSet::Next()
{
    m_bof = false;
    if (m_cursor + 1 < m_rows.size())
        ++m_cursor;
    else
        m_eof = true;
}

void TDataSet::Prior()
{
    m_eof = false;
    if (m_cursor > 0)
        --m_cursor;
    else
        m_bof = true;
}

bool TDataSet::Locate(const QString &fieldName, const QVariant &value)
{
    const int field = IndexOfField(fieldName);
    if (field < 0)
        throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(fieldName));
    const QString wanted = value.toString();
    for (int row = 0; row < m_rows.size(); ++row) {
        const QVariant cell = m_rows.at(row).at(field);
        const bool equal = m_fields.at(field).DataType == TFieldType::String
                               ? cell.toString().compare(wanted, Qt::CaseInsensitive) == 0
                               : cell == ConvertForField(field, value);
        if (cell.isValid() && equal) {
            m_cursor = row;
            m_eof = m_bof = false;
            return true;
        }
    }
    return false;
}

QVariant TDataSet::ConvertForField(int field, const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return {};
    const TFieldDef &def = m_fields.at(field);
    const bool isText = value.typeId() == QMetaType::QString;
    switch (def.DataType) {
    case TFieldType::String: {
        QString text = value.typeId() == QMetaType::Double ? FloatToStr(value.toDouble()) : value.toString();
        return def.Size > 0 ? TGbkCodec::CutToBytes(text, def.Size) : text;
    }
    case TFieldType::Integer:
        if (isText)
            return value.toString().trimmed().isEmpty() ? QVariant() : QVariant(StrToInt64(value.toString()));
        if (value.typeId() == QMetaType::Double)
            return QVariant(qRound64(value.toDouble()));
        return QVariant(value.toLongLong());
    case TFieldType::Float:
        if (isText)
            return value.toString().trimmed().isEmpty() ? QVariant() : QVariant(StrToFloat(value.toString()));
        return QVariant(value.toDouble());
    case TFieldType::Boolean:
        if (isText) {
            const QString text = value.toString();
            return QVariant(!text.isEmpty() && QStringLiteral("YyTt1").contains(text.at(0)));
        }
        return QVariant(value.toBool());
    case TFieldType::DateTime:
        return QVariant(value.toDateTime());
    }
    return {};
}

void TDataSet::SetValue(int row, int field, const QVariant &value)
{
    m_rows[row][field] = ConvertForField(field, value);
    ++m_changeCount;
}

QVariant TDataSet::CurrentValue(int field) const
{
    if (m_rows.isEmpty())
        return {};
    return m_rows.at(m_cursor).at(field);
}

void TDataSet::SetCurrentValue(int field, const QVariant &value)
{
    if (m_rows.isEmpty())
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    SetValue(m_cursor, field, value);
}

void TDataSet::Append()
{
    m_rows.append(QList<QVariant>(m_fields.size()));
    m_cursor = int(m_rows.size()) - 1;
    m_eof = m_bof = false;
}

void TDataSet::Post()
{
    ++m_changeCount;
}

void TDataSet::Delete()
{
    if (m_rows.isEmpty())
        return;
    m_rows.removeAt(m_cursor);
    ++m_changeCount;
    if (m_cursor >= m_rows.size())
        m_cursor = std::max(0, int(m_rows.size()) - 1);
    m_eof = m_rows.isEmpty();
}

void TDataSet::SetIndexFieldNames(const QString &names)
{
    QList<int> keys;
    for (const QString &name : names.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int index = IndexOfField(name.trimmed());
        if (index < 0)
            throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name.trimmed()));
        keys.append(index);
    }
    if (keys.isEmpty())
        return;
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const QList<QVariant> &a, const QList<QVariant> &b) {
        for (int key : keys) {
            const int order = QVariant::compare(a.at(key), b.at(key)) == QPartialOrdering::Less      ? -1
                              : QVariant::compare(a.at(key), b.at(key)) == QPartialOrdering::Greater ? 1
                                                                                                      : 0;
            if (order != 0)
                return order < 0;
        }
        return false;
    });
    First();
}

QByteArray TDataSet::Data() const
{
    return TDataPacket::Encode(m_fields, m_rows);
}

Result<void> TDataSet::SetData(const QByteArray &packet)
{
    auto decoded = TDataPacket::Decode(packet);
    if (!decoded)
        return Failure(decoded.Error());
    m_fields = std::move(decoded->Fields);
    m_rows = std::move(decoded->Rows);
    m_changeCount = 0;
    First();
    return Success();
}

Result<TDataSet> TDataSet::FromPacket(const QByteArray &packet)
{
    TDataSet dataSet;
    if (auto loaded = dataSet.SetData(packet); !loaded)
        return Failure(loaded.Error());
    return dataSet;
}
