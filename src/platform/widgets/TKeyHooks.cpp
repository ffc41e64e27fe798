#include "TKeyHooks.h"

#include "platform/win/ApplicationErrors.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

const char *HookProperty(TKeyHooks::TScope scope)
{
    return scope == TKeyHooks::TScope::Form ? "_halvern_form_keys" : "_halvern_control_keys";
}

} // namespace

TKeyHooks *TKeyHooks::Of(QWidget *widget, TScope scope)
{
    if (auto *existing = widget->property(HookProperty(scope)).value<TKeyHooks *>())
        return existing;
    auto *hooks = new TKeyHooks(widget, scope);
    widget->setProperty(HookProperty(scope), QVariant::fromValue(hooks));
    return hooks;
}

TKeyHooks::TKeyHooks(QWidget *widget, TScope scope) : QObject(widget), m_widget(widget), m_scope(scope)
{
    // A form sees the keys of all its controls, so it listens in front of the whole application.
    if (scope == TScope::Form)
        qApp->installEventFilter(this);
    else
        widget->installEventFilter(this);
}

bool TKeyHooks::Covers(QObject *receiver) const
{
    auto *target = qobject_cast<QWidget *>(receiver);
    if (!target || !m_widget)
        return false;
    QWidget *focus = QApplication::focusWidget();
    // Only the control the key is meant for; a key bubbling up to its parents is the same key.
    if (focus ? target != focus : target != m_widget)
        return false;
    return m_scope == TScope::Control ? target == m_widget : (target == m_widget || m_widget->isAncestorOf(target));
}

bool TKeyHooks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !m_enabled || !Covers(watched))
        return false;
    auto *keyEvent = static_cast<QKeyEvent *>(event);
    auto *sender = static_cast<QWidget *>(watched);
    // A handler that raised has had its say: its key goes no further.
    // Text-only events (Chinese characters, input methods) carry no key code to consume.
    if (m_onKeyDown && keyEvent->key() != 0) {
        int key = keyEvent->key();
        if (!Win::Guarded([&] { m_onKeyDown(sender, key, keyEvent->modifiers()); }) || key == 0)
            return true;
    }
    if (m_onKeyPress && !keyEvent->text().isEmpty()) {
        QChar character = keyEvent->text().at(0);
        if (!Win::Guarded([&] { m_onKeyPress(sender, character); }) || character.isNull())
            return true;
        if (character != keyEvent->text().at(0)) {
            // The handler changed the character: deliver the new one instead.
            QKeyEvent replaced(QEvent::KeyPress, 0, keyEvent->modifiers(), QString(character));
            m_enabled = false;
            QApplication::sendEvent(watched, &replaced);
            m_enabled = true;
            return true;
        }
    }
    return false;
}
