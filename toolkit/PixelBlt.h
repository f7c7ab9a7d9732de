#pragma once
#include <windows.h>

#include "TBitmap.h"
#include "TRect.h"

// Puts sourceRect of a bitmap unscaled at (x, y) on a DC, leaving out pixels of key when keyed.
// When the DC draws into a 24-bit DIB section with plain coordinates (no offsets, scaling or
// mirroring, at most a rectangular clip), the pixels are copied over memory; otherwise through
// BitBlt / TransparentBlt. The memory path gives the same pixels and skips GDI's per-call work
// (TransparentBlt builds masks and work bitmaps on every call) and the source's DC.
void BlitPixels(HDC dest, int x, int y, const TBitmap& source, const TRect& sourceRect, bool keyed, COLORREF key);

// True when BlitPixels can write dest's pixels over memory.
bool CanBlitToMemory(HDC dest);
