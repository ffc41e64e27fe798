#include "TReportRecords_p.h"

namespace ReportRecords {

namespace {

[[noreturn]] void Fail(int line, const QString &message)
{
    throw TFormatError{QStringLiteral("第 %1 行：%2").arg(line).arg(message)};
}

TRecord ParseLine(const QString &text, int line)
{
    TRecord record;
    record.Line = line;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text.at(i).isSpace())
            ++i;
    };
    skipBlanks();
    while (i < n && !text.at(i).isSpace())
        record.Type += text.at(i++);
    for (skipBlanks(); i < n; skipBlanks()) {
        QString name;
        while (i < n && text.at(i) != u'=' && !text.at(i).isSpace())
            name += text.at(i++);
        if (i >= n || text.at(i) != u'=' || name.isEmpty())
            Fail(line, QStringLiteral("属性 \"%1\" 缺少值").arg(name));
        ++i;
        QString value;
        if (i < n && text.at(i) == u'"') {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = text.at(i++);
                if (c == u'"') {
                    closed = true;
                    break;
                }
                if (c == u'\\' && i < n) {
                    const QChar e = text.at(i++);
                    value += e == u'n' ? QChar(u'\n') : e;
                } else {
                    value += c;
                }
            }
            if (!closed)
                Fail(line, QStringLiteral("属性 \"%1\" 的引号没有结束").arg(name));
        } else {
            while (i < n && !text.at(i).isSpace())
                value += text.at(i++);
        }
        record.Attributes.append({name, value});
    }
    return record;
}

Qt::Alignment HorizontalAlignment(const TRecord &record)
{
    const QString align = record.Text(QStringLiteral("Align"), QStringLiteral("Left"));
    if (align == u"Left")
        return Qt::AlignLeft;
    if (align == u"Center")
        return Qt::AlignHCenter;
    if (align == u"Right")
        return Qt::AlignRight;
    Fail(record.Line, QStringLiteral("未知的对齐方式 \"%1\"").arg(align));
}

Qt::Alignment VerticalAlignment(const TRecord &record)
{
    const QString align = record.Text(QStringLiteral("VAlign"), QStringLiteral("Middle"));
    if (align == u"Top")
        return Qt::AlignTop;
    if (align == u"Middle")
        return Qt::AlignVCenter;
    if (align == u"Bottom")
        return Qt::AlignBottom;
    Fail(record.Line, QStringLiteral("未知的对齐方式 \"%1\"").arg(align));
}

unsigned ReadFrame(const TRecord &record)
{
    unsigned frame = fsNone;
    for (const QChar c : record.Text(QStringLiteral("Frame"))) {
        switch (c.unicode()) {
        case 'L': frame |= fsLeft; break;
        case 'T': frame |= fsTop; break;
        case 'R': frame |= fsRight; break;
        case 'B': frame |= fsBottom; break;
        default: Fail(record.Line, QStringLiteral("边框只能由 L T R B 组成"));
        }
    }
    return frame;
}

QString FrameText(unsigned frame)
{
    QString text;
    if (frame & fsLeft) text += u'L';
    if (frame & fsTop) text += u'T';
    if (frame & fsRight) text += u'R';
    if (frame & fsBottom) text += u'B';
    return text;
}

QString AlignText(Qt::Alignment a)
{
    return a & Qt::AlignHCenter ? QStringLiteral("Center") : a & Qt::AlignRight ? QStringLiteral("Right") : QStringLiteral("Left");
}

QString VAlignText(Qt::Alignment a)
{
    return a & Qt::AlignTop ? QStringLiteral("Top") : a & Qt::AlignBottom ? QStringLiteral("Bottom") : QStringLiteral("Middle");
}

} // namespace

bool TRecord::Has(const QString &name) const
{
    for (const auto &a : Attributes)
        if (a.first == name)
            return true;
    return false;
}

QString TRecord::Text(const QString &name, const QString &defaultValue) const
{
    for (const auto &a : Attributes)
        if (a.first == name)
            return a.second;
    return defaultValue;
}

double TRecord::Number(const QString &name, double defaultValue) const
{
    if (!Has(name))
        return defaultValue;
    bool ok = false;
    const double value = Text(name).toDouble(&ok);
    if (!ok)
        Fail(Line, QStringLiteral("属性 %1 不是数值").arg(name));
    return value;
}

bool TRecord::Flag(const QString &name, bool defaultValue) const
{
    if (!Has(name))
        return defaultValue;
    const QString value = Text(name);
    if (value != u"0" && value != u"1")
        Fail(Line, QStringLiteral("属性 %1 只能是 0 或 1").arg(name));
    return value == u"1";
}

QList<double> TRecord::Numbers(const QString &name, int count) const
{
    const QStringList parts = Text(name).split(u',');
    if (!Has(name) || parts.size() != count)
        Fail(Line, QStringLiteral("属性 %1 需要 %2 个数值").arg(name).arg(count));
    QList<double> values;
    for (const QString &part : parts) {
        bool ok = false;
        values.append(part.toDouble(&ok));
        if (!ok)
            Fail(Line, QStringLiteral("属性 %1 不是数值").arg(name));
    }
    return values;
}

void TRecord::CheckNames(const QStringList &known) const
{
    for (const auto &a : Attributes)
        if (!known.contains(a.first))
            Fail(Line, QStringLiteral("未知的属性 \"%1\"").arg(a.first));
}

QList<TRecord> Parse(const QByteArray &stream, const QString &signature, int *version)
{
    const QStringList lines = QString::fromUtf8(stream).split(u'\n');
    QList<TRecord> records;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (records.isEmpty() && *version == 0) {
            const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
            bool ok = false;
            if (words.size() == 2 && words.at(0) == signature)
                *version = words.at(1).toInt(&ok);
            if (!ok || *version <= 0)
                Fail(i + 1, QStringLiteral("不是 %1 格式").arg(signature));
            continue;
        }
        records.append(ParseLine(line, i + 1));
    }
    if (*version == 0)
        Fail(1, QStringLiteral("内容为空"));
    return records;
}

QString Quote(const QString &value)
{
    QString text = value;
    text.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\"")).replace(u'\n', QStringLiteral("\\n"));
    return u'"' + text + u'"';
}

QString Number(double value)
{
    return QString::number(value, 'g', 10);
}

bool IsObjectRecord(const QString &type)
{
    return type == u"Text" || type == u"Line" || type == u"Rect";
}

TReportObject ReadObject(const TRecord &record)
{
    TReportObject object;
    const QList<double> r = record.Numbers(QStringLiteral("Rect"), 4);
    for (const double v : r)
        if (!(v >= -10000 && v <= 10000))
            Fail(record.Line, QStringLiteral("位置超出范围"));
    if (r[2] < 0 || r[3] < 0)
        Fail(record.Line, QStringLiteral("宽度和高度不能为负"));
    object.Bounds = QRectF(r[0], r[1], r[2], r[3]);
    object.LineWidth = record.Number(QStringLiteral("LineWidth"), object.LineWidth);
    if (record.Type == u"Line") {
        record.CheckNames({QStringLiteral("Rect"), QStringLiteral("LineWidth")});
        object.Kind = TReportObjectKind::Line;
        return object;
    }
    if (record.Type == u"Rect") {
        record.CheckNames({QStringLiteral("Rect"), QStringLiteral("LineWidth")});
        object.Kind = TReportObjectKind::Rectangle;
        return object;
    }
    record.CheckNames({QStringLiteral("Rect"), QStringLiteral("LineWidth"), QStringLiteral("Text"), QStringLiteral("Font"),
                       QStringLiteral("Size"), QStringLiteral("Bold"), QStringLiteral("Frame"), QStringLiteral("Align"),
                       QStringLiteral("VAlign"), QStringLiteral("Wrap"), QStringLiteral("Stretch"), QStringLiteral("Format")});
    object.Text = record.Text(QStringLiteral("Text"));
    object.FontName = record.Text(QStringLiteral("Font"), object.FontName);
    object.FontSize = record.Number(QStringLiteral("Size"), object.FontSize);
    if (object.FontSize <= 0 || object.FontSize > 500)
        Fail(record.Line, QStringLiteral("字号超出范围"));
    object.Bold = record.Flag(QStringLiteral("Bold"), false);
    object.Frame = ReadFrame(record);
    object.Alignment = HorizontalAlignment(record) | VerticalAlignment(record);
    object.WordWrap = record.Flag(QStringLiteral("Wrap"), false);
    object.Stretch = record.Flag(QStringLiteral("Stretch"), false);
    object.DisplayFormat = record.Text(QStringLiteral("Format"));
    return object;
}

QString WriteObject(const TReportObject &o)
{
    const QString rect = QStringLiteral("Rect=%1,%2,%3,%4")
                             .arg(Number(o.Bounds.x()), Number(o.Bounds.y()), Number(o.Bounds.width()), Number(o.Bounds.height()));
    const QString width = QStringLiteral(" LineWidth=") + Number(o.LineWidth);
    if (o.Kind == TReportObjectKind::Line)
        return QStringLiteral("Line ") + rect + width;
    if (o.Kind == TReportObjectKind::Rectangle)
        return QStringLiteral("Rect ") + rect + width;
    QString line = QStringLiteral("Text ") + rect + width;
    line += QStringLiteral(" Font=") + Quote(o.FontName) + QStringLiteral(" Size=") + Number(o.FontSize);
    if (o.Bold) line += QStringLiteral(" Bold=1");
    if (o.Frame != fsNone) line += QStringLiteral(" Frame=") + FrameText(o.Frame);
    line += QStringLiteral(" Align=") + AlignText(o.Alignment) + QStringLiteral(" VAlign=") + VAlignText(o.Alignment);
    if (o.WordWrap) line += QStringLiteral(" Wrap=1");
    if (o.Stretch) line += QStringLiteral(" Stretch=1");
    if (!o.DisplayFormat.isEmpty()) line += QStringLiteral(" Format=") + Quote(o.DisplayFormat);
    return line + QStringLiteral(" Text=") + Quote(o.Text);
}

} // namespace ReportRecords
