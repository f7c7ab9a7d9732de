#pragma once
#include "TBitmap.h"

// Dest becomes frame FrameIndex (counted from 1) of a strip of FrameCount equal frames laid out
// left to right in Source. Dest keeps its transparency settings. Source may be Dest itself.
// Nothing happens without a source or with a frame count below 1.
void CutBitmapFrame(const TBitmap* Source, TBitmap& Dest, int FrameCount, int FrameIndex);
