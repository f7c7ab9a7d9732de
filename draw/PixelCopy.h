#pragma once
#include "TBitmap.h"
#include "TRect.h"

// Copies sourceRect of source to dest with its top-left corner at (destX, destY), row by row in
// memory; whatever falls outside either bitmap is left out.
void CopyPixels(const TBitmap& source, TRect sourceRect, TBitmap& dest, int destX, int destY);
