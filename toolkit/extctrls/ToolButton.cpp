#include "ToolButton.h"

#include <algorithm>
#include <windowsx.h>

#include "ControlMessages.h"
#include "MenuItem.h"
#include "Publisher.h"
#include "ToolBar.h"

VEXA_DEFINE_CLASS(TToolButton) {
  PUBLISHED(AllowAllUp).Default(false);
  PUBLISHED(AutoSize).Default(false);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Down).Default(false);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Grouped).Default(false);
  PUBLISHED(ImageIndex, "TImageIndex").Default(-1);
  PUBLISHED(Marked).Default(false);
  PUBLISHED(MenuItem);
  PUBLISHED(Style).Default(tbsButton);
  PUBLISHED(Visible).Default(true);
  PUBLISHED(Wrap).Default(false);
}

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  // The bar decides what a press and a release mean; the parent still keeps the mouse meanwhile.
  SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks});
  SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton() {
  if (FToolBar) FToolBar->RemoveButton(this);
  FToolBar = nullptr;
}

void TToolButton::SetStyle(TToolButtonStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  if ((Value == tbsSeparator || Value == tbsDivider) && !ComponentState().Contains(csLoading)) SetWidth(8);
  Changed(true);
}

void TToolButton::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  Changed(FAutoSize);
}

void TToolButton::SetGrouped(bool Value) {
  if (Value == FGrouped) return;
  FGrouped = Value;
  if (FDown && FGrouped && FStyle == tbsCheck && FToolBar) FToolBar->ReleaseGroup(this);
}

void TToolButton::SetDown(bool Value) {
  if (Value == FDown) return;
  FDown = Value;
  if (Value && FGrouped && FStyle == tbsCheck && FToolBar) FToolBar->ReleaseGroup(this);
  Invalidate();
}

void TToolButton::SetMarked(bool Value) {
  if (Value == FMarked) return;
  FMarked = Value;
  Invalidate();
}

void TToolButton::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  Changed(true);
}

void TToolButton::SetWrap(bool Value) {
  if (Value == FWrap) return;
  FWrap = Value;
  Changed(true);
}

void TToolButton::SetMenuItem(TMenuItem* Value) {
  if (Value == FMenuItem) return;
  if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
  FMenuItem = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  SetCaption(Value->Caption());
  SetEnabled(Value->Enabled());
  SetHint(Value->Hint());
  SetImageIndex(Value->ImageIndex());
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  // Compared as components: the item may be half destroyed already.
  if (Operation == opRemove && FMenuItem && AComponent == static_cast<TComponent*>(FMenuItem)) FMenuItem = nullptr;
}

int TToolButton::Index() const {
  if (!FToolBar) return -1;
  const auto& list = FToolBar->FButtons;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TToolButton::Click() {
  if (OnClick()) return TGraphicControl::Click();
  if (FMenuItem) FMenuItem->Click();
}

void TToolButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool byLayout = FToolBar && FToolBar->Aligning();
  TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  // Where the layout puts the button is where it belongs: the parent's anchoring keeps it there.
  UpdateAnchorRules();
  if (FToolBar && !byLayout) FToolBar->ButtonChanged(this, true);
}

void TToolButton::Changed(bool Layout) {
  if (FToolBar) FToolBar->ButtonChanged(this, Layout);
  else Invalidate();
}

void TToolButton::AttachToBar() {
  auto* bar = dynamic_cast<TToolBar*>(Parent());
  if (bar == FToolBar) return;
  if (FToolBar) FToolBar->RemoveButton(this);
  FToolBar = bar;
  if (bar) bar->InsertButton(this);
}

void TToolButton::Paint() {
  if (FToolBar) FToolBar->PaintButton(Canvas(), *this, FToolBar->ButtonDrawState(*this));
}

void TToolButton::WndProc(TMessage& Message) {
  TToolBar* bar = FToolBar;
  switch (Message.Msg) {
    case CM_PARENTCHANGED:
      AttachToBar();
      break;
    case CM_MOUSEENTER:
      if (bar) bar->ButtonMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      if (bar) bar->ButtonMouseLeave(this);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (bar) bar->ButtonMouseDown(this);
      break;
    case WM_MOUSEMOVE:
      if (bar) bar->ButtonMouseMove(this, GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam), Message.WParam);
      break;
    case WM_LBUTTONUP:
      if (bar && bar->FSwallowRelease) return;
      TGraphicControl::WndProc(Message);
      // Last: the click may free the button (the bar only compares the pointer).
      if (bar) bar->ButtonMouseUp(this, GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
      return;
    case CM_VISIBLECHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      Changed(true);
      break;
    case CM_ENABLEDCHANGED:
      if (bar) bar->ButtonChanged(this, false);
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(Message);
}
