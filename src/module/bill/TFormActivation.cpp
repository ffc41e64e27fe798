#include "TFormActivation.h"

#include "module/entry/TFrmBase.h"

#include <QApplication>
#include <QList>
#include <QPointer>

namespace {

// The module's form that had the focus last, and the forms whose activation is watched. Module
// forms that nobody watches are still followed, by whichever watcher sees them first.
QPointer<TFrmBase> FocusedForm;
QList<TFrmBase *> WatchedForms;

// The module form a focused widget belongs to; none for widgets of other windows.
TFrmBase *FormOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (auto *form = qobject_cast<TFrmBase *>(w))
            return form;
        if (w->isWindow())
            return nullptr;
    }
    return nullptr;
}

} // namespace

TFormActivation::TFormActivation(TFrmBase &form, std::function<void()> onActivate)
    : m_form(form), m_onActivate(std::move(onActivate))
{
    WatchedForms.append(&m_form);
    m_connection = QObject::connect(qApp, &QApplication::focusChanged, &m_form,
                                    [this](QWidget *, QWidget *now) { FocusChanged(now); });
}

TFormActivation::~TFormActivation()
{
    QObject::disconnect(m_connection);
    WatchedForms.removeOne(&m_form);
}

void TFormActivation::FocusChanged(QWidget *now)
{
    TFrmBase *form = FormOf(now);
    if (!form || form == FocusedForm)
        return;
    if (form != &m_form && WatchedForms.contains(form))
        return; // that form's own watcher takes it
    FocusedForm = form;
    if (form == &m_form && m_onActivate)
        m_onActivate();
}
