#pragma once
#include <memory>

#include "BitBtnTypes.h"
#include "TBitmap.h"
#include "TColor.h"

// The pictures of the stock bit buttons, drawn at run time: two 18 x 18 frames side by side (the
// picture, then its grayed form for a disabled button) on a background of StockGlyphBackground,
// which the button leaves out when drawing (it is also the bottom-left pixel). Null for bkCustom.
inline constexpr int kStockGlyphSize = 18;
inline constexpr TColor StockGlyphBackground = clOlive;

std::unique_ptr<TBitmap> CreateStockGlyph(TBitBtnKind Kind);
