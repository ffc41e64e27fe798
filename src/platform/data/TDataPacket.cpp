#include "TDataPacket.h"

#include <QDateTime>
#include <QtEndian>

#include <bit>
#include <cstring>

namespace {

constexpr char Magic[4] = {'H', 'V', 'P', 'K'};

class TPacketWriter {
public:
    void Bytes(const char *data, qsizetype size) { m_out.append(data, size); }
    template <typename T>
    void Number(T value)
    {
        const T little = qToLittleEndian(value);
        Bytes(reinterpret_cast<const char *>(&little), sizeof(T));
    }
    void Text(const QString &text, bool shortLength)
    {
        const QByteArray utf8 = text.toUtf8();
        if (shortLength)
            Number<quint16>(quint16(utf8.size()));
        else
            Number<quint32>(quint32(utf8.size()));
        Bytes(utf8.constData(), utf8.size());
    }
    QByteArray Take() { return std::move(m_out); }

private:
    QByteArray m_out;
};

class TPacketReader {
public:
    explicit TPacketReader(const QByteArray &in) : m_in(in) {}

    qsizetype Remaining() const { return m_in.size() - m_pos; }
    bool Failed() const { return !m_error.isEmpty(); }
    const QString &Error() const { return m_error; }
    void Fail(const QString &error)
    {
        if (m_error.isEmpty())
            m_error = error;
    }

    template <typename T>
    T Number()
    {
        T value{};
        if (!Need(sizeof(T)))
            return value;
        std::memcpy(&value, m_in.constData() + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return qFromLittleEndian(value);
    }
    QString Text(bool shortLength)
    {
        const quint32 size = shortLength ? Number<quint16>() : Number<quint32>();
        if (!Need(size))
            return {};
        QString text = QString::fromUtf8(m_in.constData() + m_pos, size);
        m_pos += size;
        return text;
    }
    bool Match(const char *bytes, qsizetype size)
    {
        if (!Need(size))
            return false;
        const bool equal = std::memcmp(m_in.constData() + m_pos, bytes, size_t(size)) == 0;
        m_pos += size;
        return equal;
    }

private:
    bool Need(qsizetype size)
    {
        if (Failed())
            return false;
        if (size < 0 || Remaining() < size) {
            Fail(QStringLiteral("数据包不完整：第 %1 字节处数据被截断").arg(m_pos));
            return false;
        }
        return true;
    }

    const QByteArray &m_in;
    qsizetype m_pos = 0;
    QString m_error;
};

bool IsKnownType(quint8 type)
{
    return type <= quint8(TFieldType::DateTime);
}

void WriteValue(TPacketWriter &out, TFieldType type, const QVariant &value)
{
    switch (type) {
    case TFieldType::String:
        out.Text(value.toString(), false);
        break;
    case TFieldType::Integer:
        out.Number<qint64>(value.toLongLong());
        break;
    case TFieldType::Float:
        out.Number<quint64>(std::bit_cast<quint64>(value.toDouble()));
        break;
    case TFieldType::Boolean:
        out.Number<quint8>(value.toBool() ? 1 : 0);
        break;
    case TFieldType::DateTime:
        out.Number<qint64>(value.toDateTime().toMSecsSinceEpoch());
        break;
    }
}

QVariant ReadValue(TPacketReader &in, TFieldType type)
{
    switch (type) {
    case TFieldType::String:
        return in.Text(false);
    case TFieldType::Integer:
        return QVariant(in.Number<qint64>());
    case TFieldType::Float:
        return QVariant(std::bit_cast<double>(in.Number<quint64>()));
    case TFieldType::Boolean:
        return QVariant(in.Number<quint8>() != 0);
    case TFieldType::DateTime:
        return QVariant(QDateTime::fromMSecsSinceEpoch(in.Number<qint64>(), Qt::UTC));
    }
    return {};
}

} // namespace

QByteArray TDataPacket::Encode(const QList<TFieldDef> &fields, const QList<QList<QVariant>> &rows)
{
    TPacketWriter out;
    out.Bytes(Magic, sizeof Magic);
    out.Number<quint16>(Version);
    out.Number<quint16>(quint16(fields.size()));
    for (const TFieldDef &field : fields) {
        out.Text(field.Name, true);
        out.Number<quint8>(quint8(field.DataType));
        out.Number<quint32>(quint32(qMax(0, field.Size)));
    }
    out.Number<quint32>(quint32(rows.size()));
    for (const auto &row : rows) {
        for (int i = 0; i < fields.size(); ++i) {
            const QVariant value = i < row.size() ? row.at(i) : QVariant();
            const bool present = value.isValid() && !value.isNull();
            out.Number<quint8>(present ? 1 : 0);
            if (present)
                WriteValue(out, fields.at(i).DataType, value);
        }
    }
    return out.Take();
}

Result<TDataPacket::Content> TDataPacket::Decode(const QByteArray &packet)
{
    if (packet.isEmpty())
        return Failure(QStringLiteral("数据包为空"));
    TPacketReader in(packet);
    if (!in.Match(Magic, sizeof Magic))
        return Failure(QStringLiteral("不是有效的数据包"));
    const quint16 version = in.Number<quint16>();
    if (!in.Failed() && version != Version)
        return Failure(QStringLiteral("不支持的数据包版本 %1").arg(version));

    Content content;
    const quint16 fieldCount = in.Number<quint16>();
    for (quint16 i = 0; i < fieldCount && !in.Failed(); ++i) {
        TFieldDef field;
        field.Name = in.Text(true);
        const quint8 type = in.Number<quint8>();
        field.Size = int(qMin<quint32>(in.Number<quint32>(), quint32(INT_MAX)));
        if (!in.Failed() && !IsKnownType(type))
            in.Fail(QStringLiteral("数据包中字段 %1 的类型 %2 无效").arg(field.Name).arg(type));
        if (!in.Failed() && field.Name.isEmpty())
            in.Fail(QStringLiteral("数据包中有无名字段"));
        field.DataType = TFieldType(type);
        content.Fields.append(field);
    }
    const quint32 rowCount = in.Number<quint32>();
    // Every field of every row takes at least its presence byte: reject counts the bytes cannot hold.
    if (!in.Failed() && fieldCount > 0 && quint64(rowCount) * fieldCount > quint64(in.Remaining()))
        in.Fail(QStringLiteral("数据包的行数 %1 与数据长度不符").arg(rowCount));
    if (!in.Failed() && fieldCount == 0 && rowCount > 0)
        in.Fail(QStringLiteral("数据包有行而无字段"));
    for (quint32 r = 0; r < rowCount && !in.Failed(); ++r) {
        QList<QVariant> row;
        row.reserve(fieldCount);
        for (const TFieldDef &field : std::as_const(content.Fields)) {
            const quint8 present = in.Number<quint8>();
            if (present > 1)
                in.Fail(QStringLiteral("数据包中第 %1 行的数据无效").arg(r + 1));
            row.append(present ? ReadValue(in, field.DataType) : QVariant());
        }
        content.Rows.append(std::move(row));
    }
    if (!in.Failed() && in.Remaining() != 0)
        in.Fail(QStringLiteral("数据包末尾有多余数据"));
    if (in.Failed())
        return Failure(in.Error());
    return content;
}
