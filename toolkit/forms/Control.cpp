#include "Control.h"

#include <windowsx.h>

#include <algorithm>

#include "ControlMessages.h"
#include "CustomForm.h"
#include "FormsErrors.h"
#include "Publisher.h"
#include "TextEncoding.h"
#include "WinControl.h"

VEXA_DEFINE_CLASS(TControl) {
  // No defaults: constructors place controls anywhere, and a stored place must win over theirs.
  PUBLISHED(Left);
  PUBLISHED(Top);
  PUBLISHED(Width);
  PUBLISHED(Height);
  PUBLISHED(Cursor, "TCursor").Default(crDefault);
  PUBLISHED(Hint);
}

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FConstraints(std::make_unique<TSizeConstraints>()), FFont(std::make_unique<TControlFont>()) {
  FConstraints->SetOnChange([this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); });
  FFont->SetOnChange([this](TObject*) {
    if (!FFollowingParentFont) FParentFont = false;
    if (!Destroying()) FontChanged();
  });
}

TControl::~TControl() {
  MarkDestroying();
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* Value) {
  if (Value == FParent) return;
  CheckNewParent(Value);
  if (FParent) FParent->RemoveControl(this);
  if (Value) Value->InsertControl(this);
  if (FParent) {
    ParentColorChanged();
    ParentFontChanged();
  }
  UpdateAnchorRules();
  Perform(CM_PARENTCHANGED);
}

void TControl::CheckNewParent(const TWinControl* Value) const {
  if (!Value) return;
  if (static_cast<const TControl*>(Value) == this ||
      (IsWindowed() && static_cast<const TWinControl*>(this)->ContainsControl(Value)))
    throw EInvalidOperation("Control " + Name() + " cannot be put into itself or one of its children");
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(FConstraints->ClampWidth(AWidth), 0);
  AHeight = std::max(FConstraints->ClampHeight(AHeight), 0);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  const bool sized = AWidth != FWidth || AHeight != FHeight;
  Invalidate();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  Invalidate();
  if (!(FParent && FParent->Aligning())) UpdateAnchorRules();
  if (sized) Resize();
  RequestParentAlign();
}

TRect TControl::ClientRect() const { return TRect{0, 0, FWidth, FHeight}; }

void TControl::SetClientSize(int AWidth, int AHeight) { SetBounds(FLeft, FTop, AWidth, AHeight); }

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  const TAlign old = FAlign;
  FAlign = Value;
  if (Value == alNone) UpdateAnchorRules();
  if (FParent && (old != alNone || Value != alNone)) FParent->RealignFor(this);
}

void TControl::SetAnchors(TAnchors Value) {
  if (Value == FAnchors) return;
  FAnchors = Value;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (!FParent || FAlign != alNone) {
    FAnchorRuleValid = false;
    return;
  }
  const TRect client = FParent->ClientRect();
  FAnchorBounds = BoundsRect();
  FAnchorParentSize = TSize{client.Width(), client.Height()};
  FAnchorRuleValid = true;
}

void TControl::RequestParentAlign() {
  if (FParent && FAlign != alNone && !FParent->Aligning()) FParent->RealignFor(this);
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  // Both ways the parent's picture changes where the control is.
  if (FParent && FParent->HandleAllocated()) {
    const RECT bounds = BoundsRect().ToRECT();
    InvalidateRect(FParent->FHandle, &bounds, TRUE);
  }
  Perform(CM_VISIBLECHANGED, Value);
  RequestParentAlign();
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED, Value);
  Invalidate();
}

void TControl::SetColor(TColor Value) {
  if (Value == FColor && !FParentColor) return;
  FColor = Value;
  FParentColor = false;
  ColorChanged();
}

void TControl::SetParentColor(bool Value) {
  if (Value == FParentColor) return;
  FParentColor = Value;
  if (Value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent || FParent->FColor == FColor) return;
  FColor = FParent->FColor;
  ColorChanged();
}

void TControl::ColorChanged() {
  if (Destroying()) return;
  Perform(CM_COLORCHANGED);
  Invalidate();
}

void TControl::SetFont(TControlFont* Value) {
  if (Value && Value != FFont.get()) FFont->Assign(*Value);
}

void TControl::SetParentFont(bool Value) {
  if (Value == FParentFont) return;
  FParentFont = Value;
  if (Value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (FParentFont && FParent) SetParentFontFrom(*FParent);
}

void TControl::SetParentFontFrom(const TControl& Source) {
  FFollowingParentFont = true;
  try {
    FFont->Assign(*Source.FFont);
  } catch (...) {
    FFollowingParentFont = false;
    throw;
  }
  FFollowingParentFont = false;
}

void TControl::FontChanged() {
  Perform(CM_FONTCHANGED);
  Invalidate();
}

void TControl::SetText(const std::string& Value) {
  if (IsWindowed()) {
    auto* self = static_cast<TWinControl*>(this);
    if (self->HandleAllocated()) {
      // The window keeps the text; its WM_SETTEXT handling stores it here and notifies.
      if (GetText() != Value) SetWindowTextW(self->FHandle, Utf8ToWide(Value).c_str());
      return;
    }
  }
  if (Value == FText) return;
  FText = Value;
  Perform(CM_TEXTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  if (Value == FBiDiMode) return;
  FBiDiMode = Value;
  Invalidate();
}

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated() || FWidth <= 0 || FHeight <= 0) return;
  const RECT bounds = BoundsRect().ToRECT();
  InvalidateRect(FParent->FHandle, &bounds, !FParent->IsToolkitClass());
}

void TControl::Update() {
  if (FParent && FParent->HandleAllocated()) UpdateWindow(FParent->FHandle);
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::find(list.begin(), list.end(), this));
  list.push_back(this);
  if (IsWindowed() && static_cast<TWinControl*>(this)->HandleAllocated())
    SetWindowPos(static_cast<TWinControl*>(this)->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Invalidate();
}

void TControl::SendToBack() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::find(list.begin(), list.end(), this));
  list.insert(list.begin(), this);
  if (IsWindowed() && static_cast<TWinControl*>(this)->HandleAllocated())
    SetWindowPos(static_cast<TWinControl*>(this)->FHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Invalidate();
}

TPoint TControl::ClientToScreen(TPoint Point) const {
  if (IsWindowed()) {
    const auto* self = static_cast<const TWinControl*>(this);
    if (self->HandleAllocated()) {
      POINT p{Point.X, Point.Y};
      ::ClientToScreen(self->FHandle, &p);
      return TPoint{p.x, p.y};
    }
  }
  const TPoint inParent{Point.X + FLeft, Point.Y + FTop};
  return FParent ? FParent->ClientToScreen(inParent) : inParent;
}

TPoint TControl::ScreenToClient(TPoint Point) const {
  if (IsWindowed()) {
    const auto* self = static_cast<const TWinControl*>(this);
    if (self->HandleAllocated()) {
      POINT p{Point.X, Point.Y};
      ::ScreenToClient(self->FHandle, &p);
      return TPoint{p.x, p.y};
    }
  }
  const TPoint inParent = FParent ? FParent->ScreenToClient(Point) : Point;
  return TPoint{inParent.X - FLeft, inParent.Y - FTop};
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (IsWindowed()) {
    auto* self = static_cast<TWinControl*>(this);
    if (self->HandleAllocated()) return SendMessageW(self->FHandle, Msg, WParam, LParam);
  }
  TMessage message{Msg, WParam, LParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      return HandleMouseMessage(Message);
    case CM_MOUSEENTER:
      CallEvent(FOnMouseEnter, this);
      return;
    case CM_MOUSELEAVE:
      CallEvent(FOnMouseLeave, this);
      return;
    case CM_TEXTCHANGED:
      Invalidate();
      return;
    default:
      DefaultHandler(Message);
  }
}

void TControl::DefaultHandler(TMessage& Message) { Message.Result = 0; }

void TControl::HandleMouseMessage(TMessage& Message) {
  const int x = GET_X_LPARAM(Message.LParam);
  const int y = GET_Y_LPARAM(Message.LParam);
  TShiftState shift = MouseShiftState(Message.WParam);
  TMouseButton button = mbLeft;
  switch (Message.Msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP: button = mbRight; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP: button = mbMiddle; break;
    default: break;
  }
  auto* windowed = IsWindowed() ? static_cast<TWinControl*>(this) : nullptr;
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      CallEvent(FOnMouseMove, this, shift, x, y);
      return DefaultHandler(Message);
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (FControlStyle.Contains(csDoubleClicks)) {
        if (button == mbLeft) DblClick();
        shift.Include(ssDouble);
      }
      [[fallthrough]];
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (windowed && FControlStyle.Contains(csCaptureMouse) && windowed->HandleAllocated()) SetCapture(windowed->FHandle);
      if (button == mbLeft && FControlStyle.Contains(csClickEvents)) FClicked = true;
      CallEvent(FOnMouseDown, this, button, shift, x, y);
      return DefaultHandler(Message);
    default: {  // a button came up
      // Only a capture the toolkit took: a native control releases its own after seeing the up.
      if (windowed && FControlStyle.Contains(csCaptureMouse) && windowed->HandleAllocated() &&
          GetCapture() == windowed->FHandle && !(Message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
        ReleaseCapture();
      CallEvent(FOnMouseUp, this, button, shift, x, y);
      DefaultHandler(Message);
      const bool click = button == mbLeft && FClicked;
      if (button == mbLeft) FClicked = false;
      // Last: a click handler may free the control.
      if (click && x >= 0 && y >= 0 && x < FWidth && y < FHeight) Click();
    }
  }
}

void TControl::Click() { CallEvent(FOnClick, this); }

void TControl::DblClick() { CallEvent(FOnDblClick, this); }

void TControl::Resize() { CallEvent(FOnResize, this); }

void TControl::Loaded() {
  inherited::Loaded();
  UpdateAnchorRules();
}

TCustomForm* GetParentForm(const TControl* Control) {
  if (!Control) return nullptr;
  while (Control->Parent()) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(Control));
}
