#include "Global.h"

#include "platform/data/NumberText.h"
#include "platform/data/Variants.h"
#include "platform/win/IniFile.h"
#include "platform/win/MessageBox.h"

#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString IniPath(const QString &fileName, const QString &folder)
{
    const bool ownFolder = !folder.isEmpty() && folder != QLatin1String("\\") && folder != QLatin1String("/");
    return (ownFolder ? folder : Win::HostProgramFolder()) + fileName;
}

bool IsSixDigits(const QString &text)
{
    return text.size() == 6
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

void ReadIni(const QString &fileName, const QString &section, const QString &key, QString &value,
             const QString &folder, const QString &defaultValue)
{
    value = Win::GetPrivateProfileString(section, key, defaultValue, IniPath(fileName, folder));
}

void WriteIni(const QString &fileName, const QString &section, const QString &key, const QString &folder,
              const QString &value)
{
    Win::WritePrivateProfileString(section, key, value, IniPath(fileName, folder));
}

QString IfThenText(bool flag, const QString &whenTrue, const QString &whenFalse)
{
    return flag ? whenTrue : whenFalse;
}

bool IsIntegerText(const QString &text)
{
    return !text.trimmed().isEmpty() && TryStrToInt64(text).has_value();
}

QString PadNumber(int width, bool cut, qint64 value)
{
    const QString digits = QString::number(value);
    if (digits.size() < width)
        return QString(width - digits.size(), QLatin1Char('0')) + digits;
    if (cut && digits.size() > width)
        return digits.right(std::max(width, 0));
    return digits;
}

bool IsYearMonth(const QString &text)
{
    return text.size() == 6 && TryStrToInt64(text).has_value();
}

QString PrevMonth(const QString &month)
{
    qint64 year = StrToInt64(month.left(4));
    qint64 monthOfYear = StrToInt64(month.mid(4)) - 1;
    if (monthOfYear < 1) {
        --year;
        monthOfYear = 12;
    }
    return QStringLiteral("%1%2").arg(year, 4, 10, QLatin1Char('0')).arg(monthOfYear, 2, 10, QLatin1Char('0'));
}

void MonthList(const QString &first, const QString &last, QStringList &list)
{
    list.clear();
    // Only six-digit months are walked: the walk ends below year 0000 whatever first holds,
    // where a first such as "" would otherwise never be passed.
    for (QString month = last; IsSixDigits(month) && month >= first; month = PrevMonth(month))
        list.append(month);
}

void UnionMonths(const QString &sqlTemplate, const QString &first, const QString &last, QString &text,
                 bool distinct)
{
    QStringList months;
    MonthList(first, last, months);
    std::sort(months.begin(), months.end());
    text.clear();
    for (qsizetype i = 0; i < months.size(); ++i) {
        if (i > 0)
            text += distinct ? QStringLiteral(" Union ") : QStringLiteral(" Union All ");
        text += QString(sqlTemplate).replace(QStringLiteral("tb000000"), QStringLiteral("tb") + months.at(i));
    }
}

void ShowHostError(Win::HWND window, const QVariant &payload, const QString &prefix, QString &text)
{
    text = prefix.isEmpty() ? QString() : prefix + CrLf;
    if (const auto messages = VarArrayToStrings(payload)) {
        for (const QString &message : *messages)
            text += message + CrLf;
    } else {
        text += QStringLiteral("未知错误！") + CrLf;
    }
    text.chop(2);
    if (window != 0)
        Win::MessageBox(window, text, QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
}

TRecordset AsRecordset(const QVariant &value)
{
    if (value.metaType() != QMetaType::fromType<TRecordset>())
        return {};
    return value.value<TRecordset>();
}

int FieldCount(const QString &text, QChar separator)
{
    return text.isEmpty() ? 0 : 1 + int(text.count(separator));
}

QString FieldAt(const QString &text, QChar separator, int n)
{
    if (n < 1)
        return {};
    qsizetype start = 0;
    qsizetype end = text.size();
    int separators = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != separator)
            continue;
        ++separators;
        if (separators == n - 1)
            start = i + 1;
        if (separators == n) {
            end = i;
            break;
        }
    }
    if (start == 0 && end == text.size())
        return {};
    return text.mid(start, end - start);
}

bool SplitTrimmed(const QString &separator, const QString &text, QStringList &list)
{
    list.clear();
    // An empty separator would never advance; the whole text is then the one piece.
    const QStringList pieces = separator.isEmpty() ? QStringList{text} : text.split(separator);
    bool allFilled = true;
    for (const QString &piece : pieces) {
        list.append(piece.trimmed());
        allFilled = allFilled && !list.last().isEmpty();
    }
    return allFilled;
}
