#pragma once

#include <QMetaObject>

#include <functional>

class QWidget;
class TFrmBase;

// Tells a form when it becomes the module's focused form: the keyboard focus enters it while
// the module's form last focused was another one or none, as on its first display or when the
// clerk comes back from another embedded form of the module. Focus that visits windows which
// are not module forms (message boxes, modal dialogs such as pickers and previews, the host's
// own controls) changes nothing, so coming back from them is no activation; nor is a move
// inside the form, such as into its lookup list.
class TFormActivation {
public:
    TFormActivation(TFrmBase &form, std::function<void()> onActivate);
    ~TFormActivation();
    TFormActivation(const TFormActivation &) = delete;
    TFormActivation &operator=(const TFormActivation &) = delete;

private:
    void FocusChanged(QWidget *now);

    TFrmBase &m_form;
    std::function<void()> m_onActivate;
    QMetaObject::Connection m_connection;
};
