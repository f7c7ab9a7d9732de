#include "CustomControl.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomControl) {}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TCustomControl::PaintWindow(HDC DC) {
  TWinControl::PaintWindow(DC);
  TCanvasBinding binding(FCanvas, DC);
  FCanvas.Prepare(*Font(), Color());
  Paint();
}

void TCustomControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDOWN && TabStop() && CanFocus() && !Focused()) SetFocus();
  TWinControl::WndProc(Message);
}
