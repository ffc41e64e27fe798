#pragma once

#include <QString>

#include <optional>

// Number <-> text the way the forms show and type amounts. Conversions that fail raise
// EConvertError with the platform's message; the Try forms return nothing instead.
QString FloatToStr(double value);
// A format of '0' (digit), '#' (optional digit), '.' and ',' (thousands), e.g. "####0.00",
// "0.00", "0.": rounds half away from zero to the format's decimals.
QString FormatFloat(const QString &format, double value);
qint64 StrToInt64(const QString &text);
double StrToFloat(const QString &text);
std::optional<qint64> TryStrToInt64(const QString &text);
std::optional<double> TryStrToFloat(const QString &text);
// Amounts compared at cent precision, so that 100.10 + 49.90 equals 150.00.
bool SameAmount(double a, double b);
