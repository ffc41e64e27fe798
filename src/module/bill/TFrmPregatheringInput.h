#pragma once

#include "module/entry/TFrmBase.h"

// The advance-receipt entry form, opened by GetZorvaFormInput.
class TFrmPregatheringInput : public TFrmBase {
    Q_OBJECT
public:
    explicit TFrmPregatheringInput(QWidget *owner);
};
