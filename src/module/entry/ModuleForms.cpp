#include "ModuleForms.h"

#include "module/bill/TFrmPregatheringInput.h"
#include "module/browse/TFrmprepgatheringModify.h"
#include "module/browse/TFrmprepgatheringSearch.h"
#include "module/query/TFrmprepgatheringBillSearch.h"

QPointer<TFrmPregatheringInput> FrmPregatheringInput;
QPointer<TFrmprepgatheringSearch> FrmprepgatheringSearch;
QPointer<TFrmprepgatheringBillSearch> FrmprepgatheringBillSearch;
QPointer<TFrmprepgatheringModify> FrmprepgatheringModify;
