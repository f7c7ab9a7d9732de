#pragma once
#include "ControlTypes.h"
#include "TRect.h"

// Where a button's glyph and caption go inside Client. Along the layout's axis (horizontal for
// glyph left or right, vertical for glyph top or bottom) Margin is the distance from the glyph's
// edge of the client area to the glyph and Spacing the gap between glyph and caption; -1 for both
// centres glyph and caption together with equal margins and spacing, -1 for one of them centres
// the pair using the other. Across the axis both are centred. Without a glyph or a caption there
// is no spacing. With RightToLeft the left and right layouts swap.
struct TButtonContentPlace {
  TPoint GlyphPos;
  TRect TextRect;
};

TButtonContentPlace PlaceButtonContent(const TRect& Client, TSize Glyph, TSize Text, TButtonLayout Layout, int Margin,
                                       int Spacing, bool RightToLeft = false);
