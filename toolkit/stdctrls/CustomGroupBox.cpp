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

void TCustomGroupBox::WndProc(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    // The native group box paints only its frame and caption, and its parent clips it out, so
    // the inside would stay unpainted: fill it with the group's colour.
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(reinterpret_cast<HDC>(Message.WParam), &client, ColorBrush());
    Message.Result = 1;
    return;
  }
  inherited::WndProc(Message);
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
