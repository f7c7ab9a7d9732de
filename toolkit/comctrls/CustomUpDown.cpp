#include "CustomUpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "ControlMessages.h"
#include "NativeQuery.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomUpDown) {}

TCustomUpDown::TCustomUpDown(TComponent* AOwner) : TNativeControl(AOwner, UPDOWN_CLASSW, ICC_UPDOWN_CLASS) {
  SetBounds(0, 0, 17, 23);
}

TCustomUpDown::~TCustomUpDown() {
  MarkDestroying();
  DestroyHandle();
  if (FAssociate) FAssociate->RemoveFreeNotification(this);
}

void TCustomUpDown::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  if (FOrientation == udHorizontal) Params.Style |= UDS_HORZ;
  if (FWrap) Params.Style |= UDS_WRAP;
}

void TCustomUpDown::CreateWnd() {
  inherited::CreateWnd();
  ApplyRange();
  UDACCEL accel{0, static_cast<UINT>(FIncrement)};
  Perform(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  Perform(UDM_SETPOS32, 0, FPosition);
  ApplyBuddy();
}

void TCustomUpDown::DestroyWnd() {
  FPosition = Position();
  inherited::DestroyWnd();
}

void TCustomUpDown::ApplyRange() {
  if (HandleAllocated()) Perform(UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
}

void TCustomUpDown::ApplyBuddy() {
  if (!HandleAllocated()) return;
  HWND buddy = FAssociate ? FAssociate->Handle() : nullptr;
  Perform(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy));
  if (buddy) Perform(UDM_SETPOS32, 0, FPosition);  // the buddy shows the position at once
}

void TCustomUpDown::SetOrientation(TUDOrientation Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  RecreateWnd();
}

void TCustomUpDown::SetWrap(bool Value) {
  if (Value == FWrap) return;
  FWrap = Value;
  RecreateWnd();
}

void TCustomUpDown::SetMin(int Value) {
  if (Value == FMin) return;
  FMin = Value;
  ApplyRange();
  PositionChanged();
}

void TCustomUpDown::SetMax(int Value) {
  if (Value == FMax) return;
  FMax = Value;
  ApplyRange();
  PositionChanged();
}

int TCustomUpDown::Position() const {
  // The error flag UDM_GETPOS32 can fill in speaks of the buddy's text, not of the position.
  return HandleAllocated() ? static_cast<int>(QueryWindow(*this, UDM_GETPOS32)) : FPosition;
}

void TCustomUpDown::SetPosition(int Value) {
  if (!ComponentState().Contains(csLoading))
    Value = std::clamp(Value, std::min(FMin, FMax), std::max(FMin, FMax));
  FPosition = Value;
  if (HandleAllocated()) Perform(UDM_SETPOS32, 0, Value);
}

void TCustomUpDown::SetIncrement(int Value) {
  if (Value < 1) Value = 1;
  FIncrement = Value;
  if (!HandleAllocated()) return;
  UDACCEL accel{0, static_cast<UINT>(Value)};
  Perform(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TCustomUpDown::SetAssociate(TWinControl* Value) {
  if (Value == FAssociate) return;
  if (Value == this) return;
  if (FAssociate) FAssociate->RemoveFreeNotification(this);
  FAssociate = Value;
  if (Value) Value->FreeNotification(this);
  ApplyBuddy();
}

void TCustomUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FAssociate) {
    FAssociate = nullptr;
    if (HandleAllocated() && !Destroying()) Perform(UDM_SETBUDDY, 0);
  }
}

void TCustomUpDown::PositionChanged() {
  if (HandleAllocated()) FPosition = Position();
}

void TCustomUpDown::Click(TUDBtnType Button) { CallEvent(FOnClick, this, Button); }

void TCustomUpDown::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(Message.LParam)->code == static_cast<UINT>(UDN_DELTAPOS)) {
        bool allow = true;
        CallEvent(FOnChanging, this, allow);
        Message.Result = allow ? FALSE : TRUE;  // non-zero keeps the position
        return;
      }
      Message.Result = 0;
      return;
    case CN_HSCROLL:
    case CN_VSCROLL: {
      Message.Result = 0;
      if (LOWORD(Message.WParam) != SB_THUMBPOSITION) return;
      const int old = FPosition;
      FPosition = Position();
      if (FPosition != old) Click(FPosition > old ? btNext : btPrev);  // last: may free the control
      return;
    }
    default:
      break;
  }
  inherited::WndProc(Message);
}
