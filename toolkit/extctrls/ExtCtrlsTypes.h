#pragma once
#include "Set.h"
#include "TypeInfo.h"

// Value types shared by the toolkit-painted controls (panels, labels, buttons, scrolling
// containers). Published ones carry the names a form designer shows.

// Horizontal placement of a caption.
VEXA_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

// Vertical placement of a caption.
VEXA_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

// One ring of a panel's bevel: none, sunken, raised, or a flat ring of the panel's colour.
VEXA_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
VEXA_ENUM(TBevelEdge, beLeft, beTop, beRight, beBottom)
VEXA_SET(TBevelEdges, TBevelEdge)

// Where a button's glyph sits relative to its caption.
VEXA_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)

// Which scroll bars a control may show.
VEXA_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
VEXA_ENUM(TScrollBarKind, sbHorizontal, sbVertical)

// Caption alignment mirrored for a right-to-left reading order (taCenter stays).
inline TAlignment MirroredAlignment(TAlignment Value) {
  if (Value == taLeftJustify) return taRightJustify;
  if (Value == taRightJustify) return taLeftJustify;
  return Value;
}
