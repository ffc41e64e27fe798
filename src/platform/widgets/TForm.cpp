#include "TForm.h"

#include "TKeyHooks.h"
#include "platform/win/ModalRunner.h"

#include <functional>

namespace {

void InstallKeyPreview(QWidget *form, const bool &keyPreview, std::function<void(int &, Qt::KeyboardModifiers)> keyDown,
                       std::function<void(QChar &)> keyPress)
{
    TKeyHooks *hooks = TKeyHooks::Of(form, TKeyHooks::TScope::Form);
    hooks->SetOnKeyDown([&keyPreview, keyDown](QWidget *, int &key, Qt::KeyboardModifiers shift) {
        if (keyPreview)
            keyDown(key, shift);
    });
    hooks->SetOnKeyPress([&keyPreview, keyPress](QWidget *, QChar &key) {
        if (keyPreview)
            keyPress(key);
    });
}

} // namespace

TForm::TForm(QWidget *owner) : QWidget(owner)
{
    InstallKeyPreview(
        this, m_keyPreview, [this](int &key, Qt::KeyboardModifiers shift) { FormKeyDown(key, shift); },
        [this](QChar &key) { FormKeyPress(key); });
}

void TForm::FormKeyDown(int &, Qt::KeyboardModifiers) {}

void TForm::FormKeyPress(QChar &) {}

TDialogForm::TDialogForm(QWidget *owner) : QDialog(owner)
{
    InstallKeyPreview(
        this, m_keyPreview, [this](int &key, Qt::KeyboardModifiers shift) { FormKeyDown(key, shift); },
        [this](QChar &key) { FormKeyPress(key); });
}

void TDialogForm::keyPressEvent(QKeyEvent *event)
{
    // Enter and Esc mean what each window's own handlers make of them, not QDialog's defaults.
    QWidget::keyPressEvent(event);
}

int TDialogForm::ShowModal()
{
    return Win::RunModal(*this);
}

void TDialogForm::FormKeyDown(int &, Qt::KeyboardModifiers) {}

void TDialogForm::FormKeyPress(QChar &) {}
