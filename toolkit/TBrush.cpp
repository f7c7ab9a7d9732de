#include "TBrush.h"

#include <stdexcept>

void TBrush::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  FHandle.Reset();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  FHandle.Reset();
}

void TBrush::Assign(const TBrush& source) {
  SetColor(source.FColor);
  SetStyle(source.FStyle);
}

HBRUSH TBrush::Handle() const {
  if (FStyle == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!FHandle) {
    FHandle.Reset(CreateSolidBrush(ToColorRef(FColor)));
    if (!FHandle) throw std::runtime_error("Out of system resources (brush)");
  }
  return FHandle.Get();
}
