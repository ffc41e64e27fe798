#pragma once

#include "platform/data/Result.h"

#include <QString>
#include <Qt>

// A key with its modifiers as a script names it: "Enter", "Esc", "F5", "Ctrl+P", "Shift+Tab",
// "Ctrl+Alt+Delete". Names and modifiers are matched without regard to case.
struct TKeyChord {
    int Key = 0;
    Qt::KeyboardModifiers Modifiers;

    static Result<TKeyChord> Parse(const QString &text);
};
