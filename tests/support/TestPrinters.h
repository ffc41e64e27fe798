#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

// So that failures of assertions on Qt values read as text.
void PrintTo(const QString &text, std::ostream *os);
void PrintTo(const QStringList &texts, std::ostream *os);
void PrintTo(const QVariant &value, std::ostream *os);
