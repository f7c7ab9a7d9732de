#pragma once
#include "TypeInfo.h"

// The stock bit buttons: each but bkCustom brings its own glyph, caption and modal result.
VEXA_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll)

// Where a button's glyph sits relative to its caption: shared with the toolkit-painted buttons,
// which declare it identically (see StdCtrlsTypes.h).
#if __has_include("ExtCtrlsTypes.h")
#include "ExtCtrlsTypes.h"
#else
VEXA_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
#endif
