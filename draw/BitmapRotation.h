#pragma once
#include "TBitmap.h"

// Rotations in place: the bitmap takes the rotated size and pixels (and keeps its transparency
// settings). W and H are the old width and height.
// A quarter counter-clockwise: old (x, y) goes to (y, W - 1 - x).
void RotateBitmap90CCW(TBitmap& Bitmap);
// A half turn: old (x, y) goes to (W - 1 - x, H - 1 - y).
void RotateBitmap180(TBitmap& Bitmap);
// A quarter clockwise: old (x, y) goes to (H - 1 - y, x).
void RotateBitmap90CW(TBitmap& Bitmap);
