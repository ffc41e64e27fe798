#pragma once

#include "module/entry/TFrmBase.h"

#include <QString>

// The bill browser, opened by GetZorvaFormSearch (empty mode) and, for voiding bills, by
// GetZorvaFormDel (mode "del"). The mode is fixed at construction.
class TFrmprepgatheringSearch : public TFrmBase {
    Q_OBJECT
public:
    TFrmprepgatheringSearch(QWidget *owner, const QString &mode);

    const QString &Mode() const { return m_mode; }

private:
    QString m_mode;
};
