#pragma once
#include "ControlTypes.h"
#include "Set.h"
#include "TypeInfo.h"

// Value types shared by the toolkit-painted controls (panels, labels, buttons, scrolling
// containers). Published ones carry the names a form designer shows.

// Vertical placement of a caption.
VEXA_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

// One ring of a panel's bevel: none, sunken, raised, or a flat ring of the panel's colour.
VEXA_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
VEXA_ENUM(TBevelEdge, beLeft, beTop, beRight, beBottom)
VEXA_SET(TBevelEdges, TBevelEdge)

VEXA_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
