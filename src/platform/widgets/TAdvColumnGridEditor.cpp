#include "TAdvColumnGridEditor_p.h"

#include <QKeyEvent>

TAdvColumnGridEditor::TAdvColumnGridEditor(QWidget *parent, TKeyHandler handler)
    : QLineEdit(parent), m_handler(std::move(handler))
{
    setFrame(false);
    setObjectName(QStringLiteral("InplaceEditor"));
    hide();
}

bool TAdvColumnGridEditor::event(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QLineEdit::event(event);
    auto *key = static_cast<QKeyEvent *>(event);
    m_leftover = nullptr;
    if (m_handler(key)) {
        key->accept();
        return true;
    }
    const bool result = QLineEdit::event(event);
    if (!key->isAccepted())
        m_leftover = key;
    return result;
}
