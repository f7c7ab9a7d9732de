#pragma once
#include "TBitmap.h"
#include "TCanvas.h"
#include "TColor.h"
#include "TRect.h"

// A strip of three equal frames (left cap, middle, right cap) over DestRect's width at DestRect's
// top, in the bitmap's own height: caps unscaled, middle stretched between them. With Transparent,
// pixels of TransColor are left out. A rectangle narrower than one frame shows the left part of
// the left cap only.
void DrawHorzThreePart(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect, TColor TransColor,
                       bool Transparent);
