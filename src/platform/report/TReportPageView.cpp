#include "TReportPageView.h"

#include "TReportPainter.h"

#include <QPainter>

namespace {
constexpr int Border = 8;
}

TReportPageView::TReportPageView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageView"));
}

void TReportPageView::SetPage(const TPreparedPage &page)
{
    m_page = page;
    Resize();
}

void TReportPageView::SetPixelsPerMm(double pixelsPerMm)
{
    m_pixelsPerMm = std::clamp(pixelsPerMm, 0.2, 40.0);
    Resize();
}

void TReportPageView::Resize()
{
    setFixedSize(int(m_page.Size.width() * m_pixelsPerMm) + 2 * Border, int(m_page.Size.height() * m_pixelsPerMm) + 2 * Border);
    update();
}

void TReportPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF paper(Border, Border, m_page.Size.width() * m_pixelsPerMm, m_page.Size.height() * m_pixelsPerMm);
    painter.fillRect(paper, Qt::white);
    painter.translate(paper.topLeft());
    TReportPainter::PaintPage(painter, m_page, m_pixelsPerMm);
}
