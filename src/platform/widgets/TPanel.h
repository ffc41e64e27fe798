#pragma once

#include "TColor.h"

#include <QFrame>

// A plain panel: filled with Color, an outer bevel (none, raised or lowered) and a caption
// drawn in FontColor with the panel's font at Alignment.
class TPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    enum TBevelCut { bvNone, bvLowered, bvRaised };
    Q_ENUM(TBevelCut)

    explicit TPanel(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    Qt::Alignment Alignment() const { return m_alignment; }
    void SetAlignment(Qt::Alignment alignment);
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut bevel);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_color = clBtnFace;
    TColor m_fontColor = clWindowText;
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    TBevelCut m_bevelOuter = bvRaised;
};
