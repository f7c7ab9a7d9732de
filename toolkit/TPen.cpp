#include "TPen.h"

#include <stdexcept>

void TPen::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  FHandle.Reset();
}

void TPen::SetWidth(int width) {
  if (width < 1) width = 1;
  if (width == FWidth) return;
  FWidth = width;
  FHandle.Reset();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  FHandle.Reset();
}

void TPen::Assign(const TPen& source) {
  SetColor(source.FColor);
  SetWidth(source.FWidth);
  SetStyle(source.FStyle);
}

HPEN TPen::Handle() const {
  if (FStyle == psClear) return static_cast<HPEN>(GetStockObject(NULL_PEN));
  if (!FHandle) {
    int style = FStyle == psDash ? PS_DASH : FStyle == psDot ? PS_DOT : PS_SOLID;
    FHandle.Reset(CreatePen(style, FWidth, ToColorRef(FColor)));
    if (!FHandle) throw std::runtime_error("Out of system resources (pen)");
  }
  return FHandle.Get();
}
