#pragma once
#include <functional>

#include "TypeInfo.h"

class TObject;

// Value types of the common controls' published properties; the enumerations run from 0 in the
// order given.

// The side of a page control its tabs are on.
VEXA_ENUM(TTabPosition, tpTop, tpBottom, tpLeft, tpRight)

VEXA_ENUM(TTrackBarOrientation, trHorizontal, trVertical)
// No ticks, a tick at every Frequency-th position, or only the ticks set with SetTick.
VEXA_ENUM(TTickStyle, tsNone, tsAuto, tsManual)
// The side(s) of a track bar the ticks are on.
VEXA_ENUM(TTickMark, tmBottomRight, tmTopLeft, tmBoth)

VEXA_ENUM(TProgressBarOrientation, pbHorizontal, pbVertical)

VEXA_ENUM(TUDOrientation, udHorizontal, udVertical)
// Which arrow of an up-down control was clicked: towards Max, towards Min.
VEXA_ENUM(TUDBtnType, btNext, btPrev)

VEXA_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport)

// Asks whether a change (of page, of position) may happen; clearing AllowChange refuses it.
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
