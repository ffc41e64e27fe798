#pragma once

#include <QStringList>
#include <QVariant>

#include <optional>

// The OleVariant conventions of the host calls on QVariant: an "array" is a QStringList or a
// QVariantList; a packet is a QByteArray.
bool VarIsArray(const QVariant &value);
// The elements of an array as texts; nothing when the value is not an array.
std::optional<QStringList> VarArrayToStrings(const QVariant &value);
QString VarToStr(const QVariant &value);
