#pragma once

#include "module/entry/TFrmBase.h"

// The form that modifies an unconfirmed bill of today, opened by GetZorvaFormBillModify.
class TFrmprepgatheringModify : public TFrmBase {
    Q_OBJECT
public:
    explicit TFrmprepgatheringModify(QWidget *owner);
};
