#pragma once

#include "TColor.h"

#include <QString>

// The style sheet that paints a flat control of className: one-pixel border, a background that
// changes while the control has the focus. extra holds further declarations of the control.
inline QString FlatStyleSheet(const char *className, TColor back, TColor focusBack, TColor border,
                              const QString &extra = QString())
{
    return QStringLiteral("%1 { background-color: %2; border: 1px solid %3; %5 } %1:focus { background-color: %4; }")
        .arg(QLatin1String(className), ColorToQColor(back).name(), ColorToQColor(border).name(),
             ColorToQColor(focusBack).name(), extra);
}
