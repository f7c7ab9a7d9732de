#include "CustomLabel.h"

#include <cctype>

#include "ControlMessages.h"
#include "CustomForm.h"
#include "Publisher.h"
#include "TextMeasure.h"
#include "WinControl.h"

VEXA_DEFINE_CLASS(TCustomLabel) {}

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetParentColor(true);
  SetBounds(0, 0, 65, 17);
}

TCustomLabel::~TCustomLabel() {
  if (FKeyHandler && Application) Application->RemoveKeyDownHandler(FKeyHandler);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (Value == FShowAccelChar) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  if (Value == FFocusControl) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
  if (Value && !FKeyHandler && Application) {
    FKeyHandler = Application->AddKeyDownHandler([this](WORD& Key, TShiftState Shift) { HandleAccelKey(Key, Shift); });
  } else if (!Value && FKeyHandler && Application) {
    Application->RemoveKeyDownHandler(FKeyHandler);
    FKeyHandler = 0;
  }
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) SetFocusControl(nullptr);
}

char TCustomLabel::AccelChar() const {
  if (!FShowAccelChar) return 0;
  const std::string caption = Caption();
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // a literal ampersand
      continue;
    }
    const auto c = static_cast<unsigned char>(caption[i + 1]);
    return c < 0x80 ? static_cast<char>(std::toupper(c)) : 0;
  }
  return 0;
}

void TCustomLabel::HandleAccelKey(WORD& Key, TShiftState Shift) {
  if (!Shift.Contains(ssAlt) || !FFocusControl || !Visible() || !Enabled()) return;
  const char accel = AccelChar();
  if (!accel || static_cast<WORD>(static_cast<unsigned char>(accel)) != Key) return;
  const TCustomForm* form = GetParentForm(this);
  if (!form || !form->Active() || !FFocusControl->CanFocus()) return;
  FFocusControl->SetFocus();
  Key = 0;
}

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  const TAlignment alignment = BiDiMode() == bdRightToLeft ? MirroredAlignment(FAlignment) : FAlignment;
  if (alignment == taCenter) flags |= DT_CENTER;
  else if (alignment == taRightJustify) flags |= DT_RIGHT;
  if (BiDiMode() != bdLeftToRight) flags |= DT_RTLREADING;
  return flags;
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csLoading)) return;
  const TSize size = MeasureText(*Font(), Caption(), TextFlags() & ~(DT_CENTER | DT_RIGHT), Width());
  const int width = FWordWrap ? Width() : size.cx;
  int left = Left();
  if (FAlignment == taRightJustify && !FWordWrap) left += Width() - width;
  SetBounds(left, Top(), width, size.cy);
}

void TCustomLabel::Loaded() {
  inherited::Loaded();
  AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustBounds();
      Invalidate();
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(Message);
}

void TCustomLabel::Paint() {
  TCanvas& canvas = Canvas();
  const TRect client = ClientRect();
  if (!FTransparent) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
  }
  const std::string caption = Caption();
  if (caption.empty()) return;
  const UINT flags = TextFlags();
  TRect text = client;
  if (FLayout != tlTop) {
    const int height = MeasureText(canvas.Font(), caption, flags & ~(DT_CENTER | DT_RIGHT), client.Width()).cy;
    text.Top = FLayout == tlCenter ? (client.Height() - height) / 2 : client.Height() - height;
  }
  canvas.Brush().SetStyle(bsClear);
  if (!Enabled()) {
    // Engraved: a light copy one pixel down-right under the grey text.
    TRect light{text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1};
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(caption, light, flags);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(caption, text, flags);
}
