#pragma once
#include <windows.h>

#include "TCanvas.h"
#include "WindowDC.h"

// A canvas over a window's client area or over the whole window (non-client area included, origin
// at the window's top-left corner). The DC is released when the canvas goes.
class TWindowCanvas final : public TCanvas {
public:
  TWindowCanvas(HWND window, TWindowArea area);
  HWND Window() const { return FDC.Window(); }

private:
  WindowDC FDC;
};
