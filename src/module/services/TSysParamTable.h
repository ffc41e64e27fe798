#pragma once

#include "TSysParamSelector.h"
#include "TsysmsgInfo.h"

#include "platform/data/Result.h"

class TDataSet;

// The tbSysMsg parameters: their keys, types, processing order and what a missing key means.
namespace TSysParamTable {

// Reads the selected parameters from params (rows of f_Csmc name and f_Csz value, names matched
// whole and without regard to case) into info, in processing order. Stops at the first missing
// required key with its message; a value that does not convert raises EConvertError.
Result<void> Read(TDataSet &params, const TSysParamSelectors &selectors, TsysmsgInfo &info);

} // namespace TSysParamTable
