#include "NumberText.h"

#include "EPlatformError.h"

#include <QRegularExpression>

#include <limits>

#include <cmath>

QString FloatToStr(double value)
{
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e')))
        text = QString::number(value, 'f', 15).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
    return text;
}

QString FormatFloat(const QString &format, double value)
{
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? format : format.left(point);
    const QString decimalPart = point < 0 ? QString() : format.mid(point + 1);
    const int decimals = int(decimalPart.count(QLatin1Char('0')) + decimalPart.count(QLatin1Char('#')));
    const int requiredDecimals = int(decimalPart.count(QLatin1Char('0')));
    const int minIntegerDigits = int(integerPart.count(QLatin1Char('0')));
    const bool thousands = integerPart.contains(QLatin1Char(','));

    const double scale = std::pow(10.0, decimals);
    // Round half away from zero on the decimal value, with a nudge against binary representation
    // (2.675 is stored as 2.67499999...).
    const double scaled = std::round(std::fabs(value) * scale * (1 + 4 * std::numeric_limits<double>::epsilon()));
    const bool negative = value < 0 && scaled != 0;
    QString digits = QString::number(scaled, 'f', 0);
    while (digits.size() < decimals + 1)
        digits.prepend(QLatin1Char('0'));
    QString integer = digits.left(digits.size() - decimals);
    QString fraction = digits.right(decimals);
    while (fraction.size() > requiredDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (integer == QLatin1String("0") && minIntegerDigits == 0)
        integer.clear();
    while (integer.size() < minIntegerDigits)
        integer.prepend(QLatin1Char('0'));
    if (thousands) {
        for (qsizetype i = integer.size() - 3; i > 0; i -= 3)
            integer.insert(i, QLatin1Char(','));
    }
    QString text = integer;
    if (point >= 0 && (!fraction.isEmpty() || decimalPart.isEmpty()))
        text += QLatin1Char('.') + fraction;
    if (text.isEmpty())
        text = QStringLiteral("0");
    return negative ? QLatin1Char('-') + text : text;
}

std::optional<qint64> TryStrToInt64(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<double> TryStrToFloat(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

qint64 StrToInt64(const QString &text)
{
    if (const auto value = TryStrToInt64(text))
        return *value;
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

double StrToFloat(const QString &text)
{
    if (const auto value = TryStrToFloat(text))
        return *value;
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

bool SameAmount(double a, double b)
{
    return std::llround(a * 100.0) == std::llround(b * 100.0);
}
