#pragma once

#include <QHeaderView>

class TAdvColumnGrid;

// The grid's fixed header row, painted flat in the grid's FixedColor, FixedFont and
// FixedFontColor with its texts centred.
class TAdvColumnGridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TAdvColumnGridHeader(TAdvColumnGrid *grid);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    TAdvColumnGrid *m_grid;
};
