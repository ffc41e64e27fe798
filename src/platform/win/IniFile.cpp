#include "IniFile.h"
#include "IniFile_p.h"

#include "platform/data/TGbkCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace Win {
namespace {

const QByteArray LineBreak = QByteArrayLiteral("\r\n");

// One line of an ini file. The bytes stay as they were read, so that a write changes only the
// line it means to; the text is the decoded, trimmed content used for matching.
struct TIniLine {
    QByteArray Bytes;
    QByteArray Ending;
    QString Text;

    std::optional<QString> SectionName() const
    {
        if (!Text.startsWith(u'['))
            return std::nullopt;
        const qsizetype close = Text.indexOf(u']');
        return (close < 0 ? Text.mid(1) : Text.mid(1, close - 1)).trimmed();
    }
    bool HasKey(const QString &key) const
    {
        const qsizetype equals = Text.indexOf(u'=');
        return equals >= 0 && !Text.startsWith(u'[') && Text.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0;
    }
    QString KeyText() const { return Text.left(Text.indexOf(u'=')).trimmed(); }
    QString Value() const
    {
        const QString value = Text.mid(Text.indexOf(u'=') + 1).trimmed();
        // A value in matching quotes is read without them.
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
            return value.mid(1, value.size() - 2);
        return value;
    }
};

// The lines of a section: the header's index and the index just past its last non-blank line.
struct TSectionSpan {
    qsizetype Header = -1;
    qsizetype End = -1;
};

QList<TIniLine> ReadLines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.readAll();
    QList<TIniLine> lines;
    qsizetype start = 0;
    // A line feed never occurs inside a double-byte GBK character, so splitting the bytes is safe.
    while (start < content.size()) {
        const qsizetype feed = content.indexOf('\n', start);
        const qsizetype next = feed < 0 ? content.size() : feed + 1;
        qsizetype end = feed < 0 ? content.size() : feed;
        if (end > start && content.at(end - 1) == '\r')
            --end;
        TIniLine line;
        line.Bytes = content.mid(start, end - start);
        line.Ending = content.mid(end, next - end);
        line.Text = TGbkCodec::Decode(line.Bytes).trimmed();
        lines.append(line);
        start = next;
    }
    return lines;
}

TSectionSpan FindSection(const QList<TIniLine> &lines, const QString &section)
{
    TSectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = lines[i].SectionName();
        if (span.Header < 0) {
            if (name && name->compare(section, Qt::CaseInsensitive) == 0)
                span = TSectionSpan{i, i + 1};
        } else if (name) {
            break;
        } else if (!lines[i].Text.isEmpty()) {
            span.End = i + 1;
        }
    }
    return span;
}

qsizetype FindKey(const QList<TIniLine> &lines, const TSectionSpan &span, const QString &key)
{
    if (span.Header < 0)
        return -1;
    for (qsizetype i = span.Header + 1; i < span.End; ++i) {
        if (lines[i].HasKey(key))
            return i;
    }
    return -1;
}

TIniLine MakeLine(const QString &text)
{
    return TIniLine{TGbkCodec::Encode(text), LineBreak, text};
}

// Inserts line at index, giving the line before it a line break when the file ended without one.
void InsertLine(QList<TIniLine> &lines, qsizetype index, const TIniLine &line)
{
    if (index > 0 && lines[index - 1].Ending.isEmpty())
        lines[index - 1].Ending = LineBreak;
    lines.insert(index, line);
}

bool WriteLines(const QString &fileName, const QList<TIniLine> &lines)
{
    QByteArray content;
    for (const TIniLine &line : lines)
        content += line.Bytes + line.Ending;
    // Written aside and renamed, so a failed write never leaves half a configuration file.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(content) == content.size() && file.commit();
}

QString ExecutableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

} // namespace

QString GetPrivateProfileString(const QString &section, const QString &key, const QString &defaultValue,
                                const QString &fileName)
{
    const QList<TIniLine> lines = ReadLines(fileName);
    const qsizetype index = FindKey(lines, FindSection(lines, section), key);
    return index < 0 ? defaultValue : lines[index].Value();
}

bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value,
                               const QString &fileName)
{
    QList<TIniLine> lines = ReadLines(fileName);
    const TSectionSpan span = FindSection(lines, section);
    const qsizetype index = FindKey(lines, span, key);
    if (index >= 0) {
        const TIniLine replaced = MakeLine(lines[index].KeyText() + u'=' + value);
        lines[index].Bytes = replaced.Bytes;
        lines[index].Text = replaced.Text;
    } else if (span.Header >= 0) {
        InsertLine(lines, span.End, MakeLine(key + u'=' + value));
    } else {
        InsertLine(lines, lines.size(), MakeLine(u'[' + section + u']'));
        InsertLine(lines, lines.size(), MakeLine(key + u'=' + value));
    }
    return WriteLines(fileName, lines);
}

QString HostFolderFor(const QString &executableFolder)
{
    const QFileInfo folder(executableFolder);
    if (!executableFolder.isEmpty() && folder.isDir() && folder.isWritable())
        return QDir(executableFolder).absolutePath() + u'/';
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/halvern/");
    QDir().mkpath(config);
    return config;
}

QString HostProgramFolder()
{
    return HostFolderFor(ExecutableFolder());
}

} // namespace Win
