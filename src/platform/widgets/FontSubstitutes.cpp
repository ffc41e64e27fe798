#include "FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes()
{
    const QStringList serif = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                               QStringLiteral("WenQuanYi Zen Hei")};
    const QStringList sans = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
                              QStringLiteral("Noto Serif CJK SC")};
    for (const QString &family : {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("新宋体"),
                                  QStringLiteral("NSimSun")})
        QFont::insertSubstitutions(family, serif);
    for (const QString &family : {QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("System"), QStringLiteral("Tahoma")})
        QFont::insertSubstitutions(family, sans);
}
