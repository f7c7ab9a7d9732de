#pragma once
// Small bitmaps whose pixels say where they came from, and readers for what landed where.
#include <functional>
#include <memory>
#include <string>

#include "TBitmap.h"
#include "TColor.h"

namespace fixtures {

// A width x height bitmap whose pixel (x, y) is colour(x, y).
std::unique_ptr<TBitmap> MakeBitmap(int width, int height, const std::function<TColor(int, int)>& colour);
// A bitmap of one colour.
std::unique_ptr<TBitmap> SolidBitmap(int width, int height, TColor colour);

// Source position coded in a colour: red = x, green = y, blue = a tag that keeps the colour apart
// from magenta, black and the background.
inline TColor Coded(int x, int y) { return static_cast<TColor>(RGB(x, y, 0x40)); }
inline bool IsCoded(TColor c) { return c != clNone && ((c >> 16) & 0xFF) == 0x40; }
inline int CodedX(TColor c) { return c & 0xFF; }
inline int CodedY(TColor c) { return (c >> 8) & 0xFF; }

// "(x, y)" for messages.
std::string Describe(TColor c);

}  // namespace fixtures
