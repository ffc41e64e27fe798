#include "TControlFinder.h"

#include "TFrmHalvernMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QRegularExpression>

namespace {

QWidget *FindIn(QWidget *root, const QString &name)
{
    QList<QWidget *> candidates{root};
    candidates += root->findChildren<QWidget *>();
    QWidget *hidden = nullptr;
    // Object names first, captions only when no control carries the name.
    for (const bool byCaption : {false, true}) {
        for (QWidget *widget : candidates) {
            bool matches = widget->objectName() == name;
            if (byCaption) {
                const auto *button = qobject_cast<QAbstractButton *>(widget);
                matches = button && TControlFinder::CaptionMatches(button->text(), name);
            }
            if (!matches)
                continue;
            if (widget->isVisible())
                return widget;
            if (!hidden)
                hidden = widget;
        }
        if (hidden)
            return hidden;
    }
    return nullptr;
}

} // namespace

QWidget *TControlFinder::Find(const QString &name) const
{
    QList<QWidget *> roots{QApplication::activeModalWidget(), QApplication::activePopupWidget(), m_host.EmbeddedForm()};
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window != &m_host)
            roots << window;
    roots << const_cast<TFrmHalvernMain *>(&m_host);
    for (QWidget *root : roots)
        if (root)
            if (QWidget *found = FindIn(root, name))
                return found;
    return nullptr;
}

QWidget *TControlFinder::FrontWindow() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return const_cast<TFrmHalvernMain *>(&m_host);
}

bool TControlFinder::CaptionMatches(const QString &caption, const QString &name)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    if (plain == name)
        return true;
    static const QRegularExpression accelerator(QStringLiteral("\\(&[^&]\\)$"));
    return !name.isEmpty() && QString(caption).remove(accelerator) == name;
}
