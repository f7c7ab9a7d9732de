#pragma once
#include "Set.h"
#include "TypeInfo.h"

// What a tool button is: a push button, a button that stays down (check), a button with a
// drop-down arrow, or a gap between buttons (a separator is blank, a divider shows a line).
VEXA_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider)

// The sides of a tool bar that show an edge, and how each ring of the edge looks.
VEXA_ENUM(TEdgeBorder, ebLeft, ebTop, ebRight, ebBottom)
VEXA_SET(TEdgeBorders, TEdgeBorder)
VEXA_ENUM(TEdgeStyle, esNone, esRaised, esLowered)

// The state a tool bar hands to whoever paints a button:
//   tdsHot      the mouse is over the button (and no other button is held down);
//   tdsPushed   the button is held down by the mouse and the mouse is over it;
//   tdsDown     the button's Down is set (a check button that is checked);
//   tdsDisabled the button is disabled;
//   tdsMarked   the button's Marked is set (a keyboard or menu highlight).
enum TToolButtonDrawItem { tdsHot, tdsPushed, tdsDown, tdsDisabled, tdsMarked };
using TToolButtonDrawState = TSet<TToolButtonDrawItem>;
