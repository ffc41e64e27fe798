#pragma once

#include <QByteArray>
#include <QString>

// The operator code as the entry points take it: byte 0 holds the length (at most 255), the
// code's bytes in code page 936 follow. A longer code is cut on a character boundary.
QByteArray ShortString(const QString &text);
