#pragma once

#include "TColor.h"

#include <QLineEdit>

// A one-line edit box in the flat style: a one-pixel border of ColorBorder, the background
// ColorFlat, or ColorFocused while it has the focus. A password character other than 0 hides
// the text behind that character.
class TFlatEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(TColor ColorFlat READ ColorFlat WRITE SetColorFlat)
    Q_PROPERTY(TColor ColorFocused READ ColorFocused WRITE SetColorFocused)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE SetColorBorder)
    Q_PROPERTY(QChar PasswordChar READ PasswordChar WRITE SetPasswordChar)
public:
    explicit TFlatEdit(QWidget *parent = nullptr);

    TColor ColorFlat() const { return m_colorFlat; }
    void SetColorFlat(TColor color);
    TColor ColorFocused() const { return m_colorFocused; }
    void SetColorFocused(TColor color);
    TColor ColorBorder() const { return m_colorBorder; }
    void SetColorBorder(TColor color);
    QChar PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(QChar character);

private:
    void UpdateStyle();

    TColor m_colorFlat = clWhite;
    TColor m_colorFocused = clWhite;
    TColor m_colorBorder = 0x008396A0;
    QChar m_passwordChar;
};
