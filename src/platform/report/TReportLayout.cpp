#include "TReportLayout.h"

#include "TReportExpander.h"
#include "TReportPainter.h"

#include "platform/data/TDataSet.h"

#include <algorithm>

namespace {

constexpr double Tolerance = 0.01;

class TPageMaker {
public:
    TPageMaker(const TReportTemplate &report, TReportScope &scope) : m_report(report), m_scope(scope), m_expander(scope) {}

    TPreparedReport Run()
    {
        StartPage();
        for (const TReportBand &band : m_report.Bands) {
            if (band.Kind != TBandKind::MasterData)
                continue;
            TDataSet *data = band.DataSetName.isEmpty() ? nullptr : m_scope.DataSet(band.DataSetName);
            if (!data) {
                PlaceFlowing(band);
                continue;
            }
            for (data->First(); !data->Eof(); data->Next())
                PlaceFlowing(band);
        }
        if (const TReportBand *summary = m_report.Band(TBandKind::Summary))
            PlaceFlowing(*summary);
        EndPage();
        return m_result;
    }

private:
    double PageBottom() const { return m_report.Page.PageSize().height() - m_report.Page.Margins.bottom(); }
    double DesignHeight(TBandKind kind) const
    {
        const TReportBand *band = m_report.Band(kind);
        return band ? band->Height : 0;
    }
    double FlowLimit() const
    {
        return PageBottom() - DesignHeight(TBandKind::PageFooter) - DesignHeight(TBandKind::ColumnFooter);
    }

    void StartPage()
    {
        m_result.Pages.append(TPreparedPage{m_report.Page.PageSize(), {}});
        m_scope.Page = int(m_result.Pages.size());
        m_y = m_report.Page.Margins.top();
        if (m_scope.Page == 1)
            PlaceOptional(TBandKind::ReportTitle);
        PlaceOptional(TBandKind::PageHeader);
        PlaceOptional(TBandKind::ColumnHeader);
        m_flowedOnPage = false;
    }

    void EndPage()
    {
        PlaceOptional(TBandKind::ColumnFooter);
        if (const TReportBand *footer = m_report.Band(TBandKind::PageFooter)) {
            m_y = PageBottom() - footer->Height;
            Place(*footer);
        }
    }

    void PlaceOptional(TBandKind kind)
    {
        if (const TReportBand *band = m_report.Band(kind))
            Place(*band);
    }

    // A band of the page's flow; starts a new page when it does not fit, unless the page holds
    // nothing of the flow yet (a band taller than a page is cut rather than looping).
    void PlaceFlowing(const TReportBand &band)
    {
        QList<TReportObject> objects = Expanded(band);
        const double height = StretchedHeight(band, objects);
        if (m_flowedOnPage && m_y + height > FlowLimit() + Tolerance) {
            EndPage();
            StartPage();
        }
        Put(band, objects, height);
        m_flowedOnPage = true;
    }

    void Place(const TReportBand &band)
    {
        QList<TReportObject> objects = Expanded(band);
        const double height = StretchedHeight(band, objects);
        Put(band, objects, height);
    }

    QList<TReportObject> Expanded(const TReportBand &band) const
    {
        QList<TReportObject> objects = band.Objects;
        for (TReportObject &o : objects)
            if (o.Kind == TReportObjectKind::Text)
                o.Text = m_expander.Expand(o.Text, o.DisplayFormat);
        return objects;
    }

    static double StretchedHeight(const TReportBand &band, QList<TReportObject> &objects)
    {
        double height = band.Height;
        for (TReportObject &o : objects)
            if (o.Kind == TReportObjectKind::Text && o.Stretch) {
                o.Bounds.setHeight(std::max(o.Bounds.height(), TReportPainter::TextHeight(o, o.Text)));
                height = std::max(height, o.Bounds.bottom());
            }
        return height;
    }

    void Put(const TReportBand &band, QList<TReportObject> objects, double height)
    {
        const QPointF origin(m_report.Page.Margins.left(), m_y);
        for (qsizetype i = 0; i < objects.size(); ++i) {
            TReportObject &o = objects[i];
            // Cells that reach the band's bottom grow with it, so a stretched row stays a row;
            // a rule along the bottom moves down with it.
            const QRectF &design = band.Objects.at(i).Bounds;
            if (std::abs(design.bottom() - band.Height) < Tolerance) {
                if (design.height() > Tolerance)
                    o.Bounds.setBottom(height);
                else
                    o.Bounds.moveTop(height);
            }
            o.Bounds.translate(origin);
            o.Stretch = false;
            m_result.Pages.last().Objects.append(o);
        }
        m_y += height;
    }

    const TReportTemplate &m_report;
    TReportScope &m_scope;
    TReportExpander m_expander;
    TPreparedReport m_result;
    double m_y = 0;
    bool m_flowedOnPage = false;
};

} // namespace

Result<TPreparedReport> TReportLayout::Build(const TReportTemplate &report, TReportScope scope)
{
    for (const TReportBand &band : report.Bands)
        if (band.Kind == TBandKind::MasterData && !band.DataSetName.isEmpty() && !scope.DataSet(band.DataSetName))
            return Failure(QStringLiteral("报表数据集 \"%1\" 不存在").arg(band.DataSetName));
    scope.TotalPages = 0;
    const int pages = int(TPageMaker(report, scope).Run().Pages.size());
    scope.TotalPages = pages;
    return TPageMaker(report, scope).Run();
}
