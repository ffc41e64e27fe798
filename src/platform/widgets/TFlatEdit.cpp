#include "TFlatEdit.h"

#include "FlatStyleSheet_p.h"

TFlatEdit::TFlatEdit(QWidget *parent) : QLineEdit(parent)
{
    UpdateStyle();
}

void TFlatEdit::SetColorFlat(TColor color)
{
    m_colorFlat = color;
    UpdateStyle();
}

void TFlatEdit::SetColorFocused(TColor color)
{
    m_colorFocused = color;
    UpdateStyle();
}

void TFlatEdit::SetColorBorder(TColor color)
{
    m_colorBorder = color;
    UpdateStyle();
}

void TFlatEdit::SetPasswordChar(QChar character)
{
    m_passwordChar = character;
    setEchoMode(character.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    UpdateStyle();
}

void TFlatEdit::UpdateStyle()
{
    const QString password = m_passwordChar.isNull()
                                 ? QString()
                                 : QStringLiteral("lineedit-password-character: %1;").arg(m_passwordChar.unicode());
    setStyleSheet(FlatStyleSheet("TFlatEdit", m_colorFlat, m_colorFocused, m_colorBorder, password));
}
