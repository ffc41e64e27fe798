#pragma once

#include "TColor.h"

#include <QPushButton>

// A flat push button: background Color, one-pixel border ColorBorder that turns ColorHighLight
// while the button has the focus, background ColorFocused while the mouse is over it. The
// caption's "&" marks the accelerator letter. A button with a ModalResult other than 0 closes
// the dialog it sits on with that result when clicked. It never acts as the dialog's default
// button: Enter means what each window makes of it.
class TFlatButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE SetColorBorder)
    Q_PROPERTY(TColor ColorFocused READ ColorFocused WRITE SetColorFocused)
    Q_PROPERTY(TColor ColorHighLight READ ColorHighLight WRITE SetColorHighLight)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
public:
    explicit TFlatButton(QWidget *parent = nullptr);
    TFlatButton(const QString &caption, QWidget *parent);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TColor ColorBorder() const { return m_colorBorder; }
    void SetColorBorder(TColor color);
    TColor ColorFocused() const { return m_colorFocused; }
    void SetColorFocused(TColor color);
    TColor ColorHighLight() const { return m_colorHighLight; }
    void SetColorHighLight(TColor color);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

private:
    void UpdateStyle();
    void CloseDialogWithResult();

    TColor m_color = 0x00E1EAEB;
    TColor m_colorBorder = 0x008396A0;
    TColor m_colorFocused = 0x00F4F8F8;
    TColor m_colorHighLight = 0x008396A0;
    int m_modalResult = 0;
};
