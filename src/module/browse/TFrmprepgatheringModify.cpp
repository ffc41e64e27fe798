#include "TFrmprepgatheringModify.h"

TFrmprepgatheringModify::TFrmprepgatheringModify(QWidget *owner) : TFrmBase(owner)
{
    setObjectName(QStringLiteral("FrmprepgatheringModify"));
    setWindowTitle(QStringLiteral("预收款单修改"));
}
