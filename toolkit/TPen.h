#pragma once
#include <windows.h>

#include "GdiObject.h"
#include "TColor.h"

enum TPenStyle { psSolid, psDash, psDot, psClear };

// Line colour, width and style of a canvas. The GDI pen is made on first use and dropped when a
// property changes.
class TPen {
public:
  TPen() = default;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style);
  void Assign(const TPen& source);

  // The stock null pen for psClear.
  HPEN Handle() const;

private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  mutable GdiObject<HPEN> FHandle;
};
