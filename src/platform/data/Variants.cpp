#include "Variants.h"

bool VarIsArray(const QVariant &value)
{
    return value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList;
}

std::optional<QStringList> VarArrayToStrings(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList();
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    QStringList texts;
    for (const QVariant &element : value.toList())
        texts.append(VarToStr(element));
    return texts;
}

QString VarToStr(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    return value.toString();
}
