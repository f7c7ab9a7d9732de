#include "CustomGroupBox.h"

#include <commctrl.h>

#include "DcSelection.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomGroupBox) {}

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TNativeControl(AOwner, L"BUTTON", ICC_STANDARD_CLASSES) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= BS_GROUPBOX;
}

int TCustomGroupBox::CaptionHeight() const {
  HDC dc = GetDC(nullptr);
  TEXTMETRICW metrics{};
  {
    DcSelection font(dc, Font()->Handle());
    GetTextMetricsW(dc, &metrics);
  }
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

void TCustomGroupBox::AlignControls(TRect& Rect) {
  Rect.Top += CaptionHeight();
  Rect.Left += 2;
  Rect.Right -= 2;
  Rect.Bottom -= 2;
  inherited::AlignControls(Rect);
}
