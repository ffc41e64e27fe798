#include "TToolBar.h"

#include "TToolButton.h"

#include <QHBoxLayout>
#include <QPainter>

TToolBar::TToolBar(QWidget *parent) : QFrame(parent), m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(1);
    m_layout->addStretch(1);
}

void TToolBar::SetColor(TColor color)
{
    m_color = color;
    update();
}

TToolButton *TToolBar::AddButton(const QString &name, const QString &caption, const QString &hint)
{
    auto *button = new TToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    AddControl(button);
    return button;
}

void TToolBar::AddSeparator()
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    AddControl(line);
}

void TToolBar::AddControl(QWidget *control)
{
    control->setParent(this);
    // The stretch stays last, so items line up from the left.
    m_layout->insertWidget(m_layout->count() - 1, control);
}

void TToolBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ColorToQColor(m_color));
}
