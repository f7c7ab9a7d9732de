#include "ParentBackground.h"

#include "GdiObject.h"
#include "WinControl.h"

void PaintParentBackground(const TControl& Control, HDC DC) {
  TWinControl* parent = Control.Parent();
  if (!parent) return;
  if (!parent->HandleAllocated()) {
    RECT r{0, 0, Control.Width(), Control.Height()};
    GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(parent->Color())));
    FillRect(DC, &r, brush.Get());
    return;
  }
  const int saved = SaveDC(DC);
  POINT origin;
  GetViewportOrgEx(DC, &origin);
  SetViewportOrgEx(DC, origin.x - Control.Left(), origin.y - Control.Top(), nullptr);
  SendMessageW(parent->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT);
  RestoreDC(DC, saved);
}
