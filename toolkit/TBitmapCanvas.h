#pragma once
#include <windows.h>

#include "MemoryDC.h"
#include "TCanvas.h"

// The canvas of a TBitmap: a memory DC owned for the bitmap's lifetime, with the bitmap's DIB
// section selected while it has pixels.
class TBitmapCanvas final : public TCanvas {
public:
  TBitmapCanvas();
  ~TBitmapCanvas() override;
  // Selects another DIB section (or none); the previous one is deselected first.
  void Bind(HBITMAP bitmap);

private:
  MemoryDC FDC;
  HGDIOBJ FOriginal = nullptr;
  bool FBound = false;
};
