#pragma once

#include "TPreparedReport.h"

#include <QWidget>

// One prepared page drawn on white paper at a zoom, for the preview's scroll area.
class TReportPageView : public QWidget {
    Q_OBJECT
public:
    explicit TReportPageView(QWidget *parent = nullptr);

    void SetPage(const TPreparedPage &page);
    void SetPixelsPerMm(double pixelsPerMm);
    double PixelsPerMm() const { return m_pixelsPerMm; }
    const TPreparedPage &Page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Resize();

    TPreparedPage m_page;
    double m_pixelsPerMm = 3;
};
