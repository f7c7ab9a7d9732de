#include "GraphicControl.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TGraphicControl) {}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

void TGraphicControl::PaintOn(HDC DC) {
  TCanvasBinding binding(FCanvas, DC);
  FCanvas.Prepare(*Font(), Color());
  Paint();
}
