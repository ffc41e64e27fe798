#include "WindowHandles.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace Win {
namespace {

struct TWindowEntry {
    QPointer<QWidget> Widget;
    TMessageHandler Handler;
};

// Handles live as long as their widgets; the registry forgets a widget when it is destroyed.
class TWindowRegistry {
public:
    HWND HandleOf(QWidget *widget)
    {
        if (!widget)
            return 0;
        if (const HWND known = m_handles.value(widget))
            return known;
        const HWND handle = m_next++;
        m_handles.insert(widget, handle);
        m_entries.insert(handle, TWindowEntry{widget, {}});
        QObject::connect(widget, &QObject::destroyed, [this, widget, handle] {
            m_handles.remove(widget);
            m_entries.remove(handle);
        });
        return handle;
    }

    TWindowEntry *Find(HWND handle)
    {
        auto it = m_entries.find(handle);
        return it == m_entries.end() ? nullptr : &it.value();
    }

private:
    QHash<QWidget *, HWND> m_handles;
    QHash<HWND, TWindowEntry> m_entries;
    HWND m_next = 0x10000;
};

TWindowRegistry &Registry()
{
    static TWindowRegistry registry;
    return registry;
}

} // namespace

HWND HandleOf(QWidget *widget)
{
    return Registry().HandleOf(widget);
}

QWidget *WidgetOf(HWND handle)
{
    TWindowEntry *entry = Registry().Find(handle);
    return entry ? entry->Widget.data() : nullptr;
}

void SetMessageHandler(QWidget *widget, TMessageHandler handler)
{
    if (TWindowEntry *entry = Registry().Find(HandleOf(widget)))
        entry->Handler = std::move(handler);
}

qintptr SendMessage(HWND handle, unsigned message, qintptr wParam, qintptr lParam)
{
    TWindowEntry *entry = Registry().Find(handle);
    if (!entry || !entry->Handler)
        return 0;
    // A copy, so that a handler that replaces itself or destroys its window stays valid.
    const TMessageHandler handler = entry->Handler;
    return handler(message, wParam, lParam);
}

} // namespace Win
