#pragma once
#include <windows.h>

#include "Control.h"
#include "ControlCanvas.h"

// A control without a window of its own (a label, an image, a speed button). Its parent paints it
// in its own WM_PAINT through Canvas, clipped to the control's bounds with the origin at the
// control's top-left corner, and hands it the mouse messages over its area (coordinates made
// relative to the control). Canvas has a DC only while Paint runs.
class TGraphicControl : public TControl {
  VEXA_CLASS(TGraphicControl, TControl)

public:
  explicit TGraphicControl(TComponent* AOwner);

  TCanvas& Canvas() { return FCanvas; }

protected:
  // Draws the control; the canvas starts with the control's Font and a brush of its Color.
  virtual void Paint() {}

private:
  friend class TWinControl;
  void PaintOn(HDC DC);

  TControlCanvas FCanvas;
};
