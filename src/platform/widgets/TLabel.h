#pragma once

#include "TColor.h"

#include <QLabel>

// A text label. With ParentColor (the default) it shows its parent's colour and reports it as its
// own; setting Color paints its own background. The text is drawn in FontColor at the label's
// alignment, word-wrapped when WordWrap is on, with the same line breaks as
// QFontMetrics::boundingRect with Qt::TextWordWrap, so a size measured that way fits.
class TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(QString Caption READ text WRITE setText)
public:
    explicit TLabel(QWidget *parent = nullptr);
    TLabel(const QString &caption, QWidget *parent);

    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool on);
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_color = clBtnFace;
    bool m_parentColor = true;
    TColor m_fontColor = clWindowText;
};
