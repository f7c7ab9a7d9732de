#pragma once
#include "TBitmap.h"
#include "TCanvas.h"
#include "TRect.h"

// Top and bottom caps of Cap rows copied (scaled to the width), the rows between them
// halftone-stretched over the rest. Cap 0 means a third of the bitmap's height. Nothing is drawn
// when DestRect.Left is negative.
void DrawVertStretched(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect, int Cap);
// The same turned a quarter: left and right caps of Cap columns, the middle stretched
// horizontally. Cap 0 means no caps.
void DrawHorzStretched(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect, int Cap);
// The whole bitmap into DestRect with the platform's halftone (averaging) stretch. The canvas goes
// back to its own stretch mode afterwards.
void StretchBitmapHalftone(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect);
