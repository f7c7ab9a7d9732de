#include "TColor.h"

TColor ColorToRGB(TColor color) {
  if (color == clNone) return clNone;
  if (color < 0) return static_cast<TColor>(GetSysColor(color & 0xFF));
  return color & 0x00FFFFFF;
}

COLORREF ToColorRef(TColor color) {
  TColor rgb = ColorToRGB(color);
  if (rgb == clNone) return RGB(255, 255, 255);
  return static_cast<COLORREF>(rgb) & 0x00FFFFFF;
}
