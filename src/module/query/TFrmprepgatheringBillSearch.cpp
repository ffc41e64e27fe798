#include "TFrmprepgatheringBillSearch.h"

TFrmprepgatheringBillSearch::TFrmprepgatheringBillSearch(QWidget *owner) : TFrmBase(owner)
{
    setObjectName(QStringLiteral("FrmprepgatheringBillSearch"));
    setWindowTitle(QStringLiteral("收款单明细查询"));
}
