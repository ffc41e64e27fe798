#pragma once

#include "TColor.h"

#include <QFrame>

// A flat panel: filled with Color, framed by one-pixel lines, ColorHighLight at the top and left
// and ColorShadow at the bottom and right, with an optional centred caption.
class TFlatPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorHighLight READ ColorHighLight WRITE SetColorHighLight)
    Q_PROPERTY(TColor ColorShadow READ ColorShadow WRITE SetColorShadow)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    explicit TFlatPanel(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TColor ColorHighLight() const { return m_colorHighLight; }
    void SetColorHighLight(TColor color);
    TColor ColorShadow() const { return m_colorShadow; }
    void SetColorShadow(TColor color);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_color = clBtnFace;
    TColor m_colorHighLight = clWhite;
    TColor m_colorShadow = clBlack;
    QString m_caption;
};
