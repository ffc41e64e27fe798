#pragma once

#include "module/entry/TFrmBase.h"

// The bill detail query, opened by GetZorvaFormBillSearch.
class TFrmprepgatheringBillSearch : public TFrmBase {
    Q_OBJECT
public:
    explicit TFrmprepgatheringBillSearch(QWidget *owner);
};
