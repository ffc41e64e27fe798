#pragma once

#include "TColor.h"

#include <QSplitter>

// The bar between two panes that the user drags to share the space between them; the bar is
// Color and two pixels wide unless set otherwise.
class TSplitter : public QSplitter {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
public:
    explicit TSplitter(Qt::Orientation orientation = Qt::Horizontal, QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);

private:
    TColor m_color = clBtnFace;
};
