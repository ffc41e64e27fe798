#pragma once

#include "TColor.h"

#include <QFrame>

class QHBoxLayout;
class TToolButton;

// A row of captioned tool buttons, separators and other controls, left to right in the order
// they are added. A hidden button leaves no gap.
class TToolBar : public QFrame {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
public:
    explicit TToolBar(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);

    TToolButton *AddButton(const QString &name, const QString &caption, const QString &hint = QString());
    void AddSeparator();
    // Places a control of the caller (a panel holding a drop-down list, say) after the last item.
    void AddControl(QWidget *control);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QHBoxLayout *m_layout;
    TColor m_color = clBtnFace;
};
