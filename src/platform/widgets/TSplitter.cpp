#include "TSplitter.h"

TSplitter::TSplitter(Qt::Orientation orientation, QWidget *parent) : QSplitter(orientation, parent)
{
    setHandleWidth(2);
    setChildrenCollapsible(false);
    SetColor(m_color);
}

void TSplitter::SetColor(TColor color)
{
    m_color = color;
    setStyleSheet(QStringLiteral("TSplitter::handle { background-color: %1; }").arg(ColorToQColor(color).name()));
}
