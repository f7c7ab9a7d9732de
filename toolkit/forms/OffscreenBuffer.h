#pragma once
#include <windows.h>

#include "DcSelection.h"
#include "GdiObject.h"
#include "MemoryDC.h"

// A memory DC with a bitmap compatible with a target DC, for composing a picture off screen and
// copying it in one step. Owns the DC and the bitmap; the bitmap is deselected before both go.
class TOffscreenBuffer {
public:
  TOffscreenBuffer(HDC Target, int Width, int Height);
  TOffscreenBuffer(const TOffscreenBuffer&) = delete;
  TOffscreenBuffer& operator=(const TOffscreenBuffer&) = delete;

  HDC DC() const { return FDC.Get(); }
  // Copies the rectangle (client coordinates) to the same place on Target.
  void CopyTo(HDC Target, const RECT& Rect) const;

private:
  MemoryDC FDC;
  GdiObject<HBITMAP> FBitmap;
  DcSelection FSelection;
};
