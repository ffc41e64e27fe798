#pragma once

#include <QPointer>

class TFrmPregatheringInput;
class TFrmprepgatheringSearch;
class TFrmprepgatheringBillSearch;
class TFrmprepgatheringModify;

// The most recently created form of each kind, as the entry points leave them; a form that has
// been freed reads as null. A delete-mode browser is not kept.
extern QPointer<TFrmPregatheringInput> FrmPregatheringInput;
extern QPointer<TFrmprepgatheringSearch> FrmprepgatheringSearch;
extern QPointer<TFrmprepgatheringBillSearch> FrmprepgatheringBillSearch;
extern QPointer<TFrmprepgatheringModify> FrmprepgatheringModify;
