#pragma once
#include <windows.h>

#include <cstring>

#include "TCanvas.h"

// The canvas a control paints on: it draws on whatever DC the control hands it for one paint (the
// off-screen buffer, or the parent's DC for a graphic control) and has none in between.
class TControlCanvas final : public TCanvas {
public:
  void Bind(HDC DC) { SetHandle(DC); }
  // Starts a paint with the control's font and a solid brush of its colour. The font is copied
  // only when it differs, so the platform font made for the last paint is used again.
  void Prepare(const TFont& ControlFont, TColor Color) {
    if (std::memcmp(&Font().LogFont(), &ControlFont.LogFont(), sizeof(LOGFONTW)) != 0) Font().Assign(ControlFont);
    Font().SetColor(ControlFont.Color());
    Brush().SetStyle(bsSolid);
    Brush().SetColor(Color);
    Pen().SetColor(ControlFont.Color());
  }
};

// Binds a canvas to a DC for one scope.
class TCanvasBinding {
public:
  TCanvasBinding(TControlCanvas& Canvas, HDC DC) : FCanvas(Canvas) { FCanvas.Bind(DC); }
  ~TCanvasBinding() { FCanvas.Bind(nullptr); }
  TCanvasBinding(const TCanvasBinding&) = delete;
  TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
  TControlCanvas& FCanvas;
};
