#include "Clerk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace Clerk {

QWidget *Focused()
{
    QApplication::processEvents();
    return QApplication::focusWidget();
}

void Type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QWidget *target = widget ? widget : Focused();
        if (!target)
            return;
        // The key code of a Latin character is its upper-case letter; others travel as text only.
        const int key = c.unicode() < 0x80 ? c.toUpper().unicode() : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        QApplication::processEvents();
    }
}

void Key(QWidget *widget, int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = widget ? widget : Focused();
    if (target)
        QTest::keyClick(target, Qt::Key(key), modifiers);
    QApplication::processEvents();
}

void Click(QWidget *widget)
{
    if (!widget)
        return;
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    }
    QApplication::processEvents();
}

void DoubleClick(QWidget *widget, QPoint at)
{
    if (!widget)
        return;
    const QPoint point = at.isNull() ? widget->rect().center() : at;
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, point);
    QApplication::processEvents();
}

void ShowActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    window->raise();
    QApplication::processEvents();
    (void)QTest::qWaitForWindowActive(window, 1000);
}

} // namespace Clerk
