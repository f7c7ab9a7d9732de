#pragma once
#include <windows.h>

#include "GdiObject.h"
#include "TColor.h"

enum TBrushStyle { bsSolid, bsClear };

// Fill colour and style of a canvas. A clear brush fills nothing and makes text backgrounds
// transparent. The GDI brush is made on first use and dropped when colour or style change.
class TBrush {
public:
  TBrush() = default;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);
  void Assign(const TBrush& source);

  // The stock null brush for bsClear.
  HBRUSH Handle() const;

private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  mutable GdiObject<HBRUSH> FHandle;
};
