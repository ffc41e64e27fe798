#include "TFrmPregatheringInput.h"

TFrmPregatheringInput::TFrmPregatheringInput(QWidget *owner) : TFrmBase(owner)
{
    setObjectName(QStringLiteral("FrmPregatheringInput"));
    setWindowTitle(QStringLiteral("收款单录入"));
}
