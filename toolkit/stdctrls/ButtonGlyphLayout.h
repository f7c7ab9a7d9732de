#pragma once
#include "BitBtnTypes.h"
#include "TRect.h"

// Where a button's glyph and caption go inside Client. GlyphSize and TextSize are the sizes of one
// glyph frame and of the measured caption (zero when there is none). Margin is the distance from
// the edge the glyph is on to the glyph, Spacing the gap between glyph and caption; -1 for either
// centres the pair (both -1: margin and spacing equal, a third of the free room each). With
// RightToLeft the left and right layouts swap.
struct TButtonGlyphLayout {
  TPoint GlyphPos;
  TRect TextRect;
};

TButtonGlyphLayout CalcButtonLayout(const TRect& Client, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                                    int Margin, int Spacing, bool RightToLeft = false);
