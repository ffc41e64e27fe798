#include "TImage.h"

#include <QPainter>

TImage::TImage(QWidget *parent) : QWidget(parent) {}

void TImage::SetPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    const QSize size = m_picture.deviceIndependentSize().toSize();
    painter.drawPixmap(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size), m_picture);
}
