#pragma once

#include "TPreparedReport.h"
#include "TReport.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollArea;
class TReportPageView;

// The preview window of a prepared report: opens at whole-page zoom; zooms, pages, finds text,
// changes the page setup (and prepares again), prints to the default printer, exports to PDF,
// saves and loads prepared reports, and with the design button edits the template's text.
// The prepared pages cannot be edited here.
class TReportPreview : public QDialog {
    Q_OBJECT
public:
    TReportPreview(TReport &report, TPreparedReport prepared, const TPreviewOptions &options, QWidget *parent = nullptr);

    int PageIndex() const { return m_pageIndex; }
    int PageCount() const { return int(m_prepared.Pages.size()); }
    double PixelsPerMm() const;
    const TPreparedReport &Prepared() const { return m_prepared; }

    void ZoomWholePage();
    void ZoomPageWidth();
    void ZoomBy(double factor);
    void ShowPage(int index);
    bool FindText(const QString &text); // from the page after the current one, wrapping round

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *AddButton(const QString &name, const QString &caption);
    void SetPrepared(TPreparedReport prepared);
    void Fail(const QString &message);
    QString AskFileName(const QString &caption, const QString &filter, bool saving);

    void FindClick();
    void PageSetupClick();
    void PrintClick();
    void ExportPdfClick();
    void SaveClick();
    void LoadClick();
    void DesignClick();

    TReport &m_report;
    TPreparedReport m_prepared;
    int m_pageIndex = 0;
    bool m_wholePage = true;
    QString m_findText;
    QScrollArea *m_scroll;
    TReportPageView *m_view;
    QLabel *m_pageLabel;
};
