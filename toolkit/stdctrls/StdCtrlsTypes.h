#pragma once
#include "ControlTypes.h"  // TAlignment, TScrollStyle
#include "TypeInfo.h"

// Value types of the standard controls' published properties. The enumerations run from 0 in the
// order given; streaming and skinners rely on those numbers.

// A check box's three looks; cbGrayed is "neither" (a mixed selection).
VEXA_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

// A combo box with an edit and a drop-down list (0), an edit over a list always shown (1), a
// drop-down list without an edit (2).
VEXA_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList)

