#pragma once
#include "TypeInfo.h"

// Value types of the standard controls' published properties. The enumerations run from 0 in the
// order given; streaming and skinners rely on those numbers.

// A check box's three looks; cbGrayed is "neither" (a mixed selection).
VEXA_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

// A combo box with an edit and a drop-down list (0), an edit over a list always shown (1), a
// drop-down list without an edit (2).
VEXA_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList)

// TAlignment (a caption's horizontal placement: beside a check box's box, in a list column or a
// status panel) and TScrollStyle (an edit's scroll bars) are shared with the toolkit-painted
// controls, which declare them identically; a translation unit that sees both folders takes that
// declaration, so the two never meet twice.
#if __has_include("ExtCtrlsTypes.h")
#include "ExtCtrlsTypes.h"
#else
VEXA_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
VEXA_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
#endif
