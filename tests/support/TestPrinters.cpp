#include "TestPrinters.h"

void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList &texts, std::ostream *os)
{
    *os << '[' << texts.join(QStringLiteral(" | ")).toStdString() << ']';
}

void PrintTo(const QVariant &value, std::ostream *os)
{
    *os << value.typeName() << '(' << value.toString().toStdString() << ')';
}
