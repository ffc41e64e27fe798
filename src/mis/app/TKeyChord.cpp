#include "TKeyChord.h"

#include <QHash>
#include <QStringList>

namespace {

const QHash<QString, int> &NamedKeys()
{
    static const QHash<QString, int> keys = [] {
        QHash<QString, int> named = {
            {"enter", Qt::Key_Return},   {"return", Qt::Key_Return}, {"esc", Qt::Key_Escape},
            {"escape", Qt::Key_Escape},  {"tab", Qt::Key_Tab},       {"up", Qt::Key_Up},
            {"down", Qt::Key_Down},      {"left", Qt::Key_Left},     {"right", Qt::Key_Right},
            {"backspace", Qt::Key_Backspace}, {"delete", Qt::Key_Delete}, {"del", Qt::Key_Delete},
            {"insert", Qt::Key_Insert},  {"home", Qt::Key_Home},     {"end", Qt::Key_End},
            {"pageup", Qt::Key_PageUp},  {"pagedown", Qt::Key_PageDown}, {"space", Qt::Key_Space},
        };
        for (int n = 1; n <= 12; ++n)
            named.insert(QStringLiteral("f%1").arg(n), Qt::Key_F1 + n - 1);
        return named;
    }();
    return keys;
}

} // namespace

Result<TKeyChord> TKeyChord::Parse(const QString &text)
{
    QStringList parts = text.split(QLatin1Char('+'));
    // "Ctrl++" names the plus key: the split leaves two empty parts at the end.
    if (parts.size() >= 3 && parts.last().isEmpty() && parts[parts.size() - 2].isEmpty()) {
        parts.removeLast();
        parts.last() = QStringLiteral("+");
    }
    TKeyChord chord;
    const QString keyName = parts.takeLast().toLower();
    for (const QString &part : parts) {
        const QString modifier = part.toLower();
        if (modifier == QLatin1String("ctrl"))
            chord.Modifiers |= Qt::ControlModifier;
        else if (modifier == QLatin1String("shift"))
            chord.Modifiers |= Qt::ShiftModifier;
        else if (modifier == QLatin1String("alt"))
            chord.Modifiers |= Qt::AltModifier;
        else
            return Failure(QStringLiteral("unknown modifier \"%1\" in key %2").arg(part, text));
    }
    if (const auto named = NamedKeys().constFind(keyName); named != NamedKeys().cend()) {
        chord.Key = *named;
    } else if (keyName.size() == 1 && keyName[0].unicode() > 0x20 && keyName[0].unicode() < 0x7f) {
        chord.Key = keyName[0].toUpper().unicode();
    } else {
        return Failure(QStringLiteral("unknown key \"%1\"").arg(text));
    }
    // Qt names Shift+Tab a key of its own.
    if (chord.Key == Qt::Key_Tab && chord.Modifiers & Qt::ShiftModifier)
        chord.Key = Qt::Key_Backtab;
    return chord;
}
