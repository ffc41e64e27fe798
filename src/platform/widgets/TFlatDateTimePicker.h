#pragma once

#include "TColor.h"

#include <QDateEdit>

// A flat date box shown as yyyy-mm-dd with a drop-down calendar whose title bar takes
// TitleBackColor.
class TFlatDateTimePicker : public QDateEdit {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE SetColorBorder)
    Q_PROPERTY(TColor TitleBackColor READ TitleBackColor WRITE SetTitleBackColor)
public:
    explicit TFlatDateTimePicker(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TColor ColorBorder() const { return m_colorBorder; }
    void SetColorBorder(TColor color);
    TColor TitleBackColor() const { return m_titleBackColor; }
    void SetTitleBackColor(TColor color);

private:
    void UpdateStyle();

    TColor m_color = clWhite;
    TColor m_colorBorder = 0x008396A0;
    TColor m_titleBackColor = clHighlight;
};
