#pragma once

#include <QChar>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// Key-down and key-press handlers in front of a control, or in front of every control of a form
// (the form's key preview). A handler consumes a key by setting it to 0: the key-down handler
// gets the Qt key code and modifiers, the key-press handler the character the key types
// (Enter "\r", Esc "\x1b", Backspace "\b"). Keys reach the handlers only when they are meant for
// the focused control, so a key that bubbles up to a parent is not seen twice.
class TKeyHooks : public QObject {
    Q_OBJECT
public:
    enum class TScope { Control, Form };
    using TKeyDownHandler = std::function<void(QWidget *sender, int &key, Qt::KeyboardModifiers shift)>;
    using TKeyPressHandler = std::function<void(QWidget *sender, QChar &key)>;

    // The hooks of widget in the given scope, created on first use and owned by the widget.
    static TKeyHooks *Of(QWidget *widget, TScope scope = TScope::Control);

    void SetOnKeyDown(TKeyDownHandler handler) { m_onKeyDown = std::move(handler); }
    void SetOnKeyPress(TKeyPressHandler handler) { m_onKeyPress = std::move(handler); }
    void SetEnabled(bool enabled) { m_enabled = enabled; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TKeyHooks(QWidget *widget, TScope scope);
    bool Covers(QObject *receiver) const;

    QPointer<QWidget> m_widget;
    TScope m_scope;
    bool m_enabled = true;
    TKeyDownHandler m_onKeyDown;
    TKeyPressHandler m_onKeyPress;
};
