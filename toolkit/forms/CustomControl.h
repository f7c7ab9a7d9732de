#pragma once
#include <windows.h>

#include "ControlCanvas.h"
#include "WinControl.h"

// A windowed control of the toolkit's own class that draws itself: Paint draws on Canvas, which
// is an off-screen buffer filled with Color beforehand and copied to the window in one step. A
// click gives it the focus when it is a tab stop.
class TCustomControl : public TWinControl {
  VEXA_CLASS(TCustomControl, TWinControl)

public:
  explicit TCustomControl(TComponent* AOwner);

  TCanvas& Canvas() { return FCanvas; }
  void WndProc(TMessage& Message) override;

protected:
  virtual void Paint() {}
  void PaintWindow(HDC DC) override;

private:
  TControlCanvas FCanvas;
};
