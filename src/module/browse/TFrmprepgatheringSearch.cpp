#include "TFrmprepgatheringSearch.h"

TFrmprepgatheringSearch::TFrmprepgatheringSearch(QWidget *owner, const QString &mode)
    : TFrmBase(owner), m_mode(mode)
{
    setObjectName(QStringLiteral("FrmprepgatheringSearch"));
    setWindowTitle(QStringLiteral("预收款单查询"));
}
