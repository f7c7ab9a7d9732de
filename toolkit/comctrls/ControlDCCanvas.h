#pragma once
#include <windows.h>

#include "TCanvas.h"

class TWinControl;

// A canvas over a control's client area for drawing outside the control's own painting (a skinner
// adding to a native control's picture). The control's window DC is taken by Acquire and kept until
// Release; the control calls Release before it paints again and when its window goes.
class TControlDCCanvas final : public TCanvas {
public:
  explicit TControlDCCanvas(TWinControl& Control) : FControl(Control) {}
  ~TControlDCCanvas() override { Release(); }

  // Takes the DC of the control's window (made if needed) unless the canvas holds one.
  void Acquire();
  void Release();

private:
  TWinControl& FControl;
  HWND FWindow = nullptr;
};
