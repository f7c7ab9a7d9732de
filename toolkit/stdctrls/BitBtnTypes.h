#pragma once
#include "ControlTypes.h"  // TButtonLayout
#include "TypeInfo.h"

// The stock bit buttons: each but bkCustom brings its own glyph, caption and modal result.
VEXA_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll)
