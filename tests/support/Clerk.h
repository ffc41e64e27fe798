#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

// The clerk's hands in GUI tests: real Qt key events and clicks, delivered to the widget that
// has the focus unless a widget is named.
namespace Clerk {

void Type(QWidget *widget, const QString &text);
void Key(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Click(QWidget *widget);
void DoubleClick(QWidget *widget, QPoint at = QPoint());
// The widget that has the keyboard focus now (after pending events are processed).
QWidget *Focused();
// Shows a top-level window, activates it and lets the events run.
void ShowActive(QWidget *window);

} // namespace Clerk

// The child of root named name; fails the test when there is none.
template <typename T = QWidget>
T *Named(const QObject *root, const QString &name)
{
    T *child = root->findChild<T *>(name);
    EXPECT_NE(child, nullptr) << "no control named " << name.toStdString();
    return child;
}
