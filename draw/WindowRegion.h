#pragma once
#include <windows.h>

#include <vector>

#include "TBitmap.h"
#include "TColor.h"

// Sets the window region of Wnd from the composed title bar and bottom border pictures of the
// window at its current width: rows of the pictures between the region keys' limits keep only
// their pixels that are not TransColor; everything else of the window stays rectangular. A limit
// of -1 means "scan every row". The window is redrawn.
void SetSkinWindowRegion(HWND Wnd, const TBitmap* TitleBitmap, const TBitmap* BottomBitmap, bool UseTitle,
                         bool UseBottom, int TitleMinY, int TitleMaxY, int BottomMinY, int BottomMaxY,
                         TColor TransColor, int Height, int Width);

// The rectangles SetSkinWindowRegion combines, top to bottom (exposed for tests and callers that
// want the shape without a window).
std::vector<RECT> SkinWindowRegionRects(const TBitmap* TitleBitmap, const TBitmap* BottomBitmap, bool UseTitle,
                                        bool UseBottom, int TitleMinY, int TitleMaxY, int BottomMinY,
                                        int BottomMaxY, TColor TransColor, int Height, int Width);

// A region made of the rectangles in one call; the caller owns it (null for no rectangles).
HRGN CreateRegionFromRects(const std::vector<RECT>& Rects);
