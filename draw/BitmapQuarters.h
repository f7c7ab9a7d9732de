#pragma once
#include "TBitmap.h"
#include "TCanvas.h"
#include "TColor.h"
#include "TRect.h"

// Nine-piece draw of a button frame over DestRect: the four corners unscaled (through an image
// list, masked with TransColor when MaskCorners), the edges and the centre stretched with
// TransColor left out. Left and top pieces start at the canvas origin, right and bottom pieces end
// at DestRect's right and bottom edges; callers pass rectangles starting at (0, 0).
void DrawBitmapQuarters(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect, TColor TransColor,
                        bool MaskCorners);
