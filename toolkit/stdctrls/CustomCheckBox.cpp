#include "CustomCheckBox.h"

#include <commctrl.h>

#include "ControlMessages.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomCheckBox) {}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TNativeControl(AOwner, L"BUTTON", ICC_STANDARD_CLASSES) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

// The platform's two-state box refuses the grayed state, so the box is three-state while grayed
// is allowed or shown.
DWORD TCustomCheckBox::ButtonType() const {
  return (FAllowGrayed || FState == cbGrayed) ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= ButtonType();
  if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
  inherited::CreateWnd();
  Perform(BM_SETCHECK, static_cast<WPARAM>(FState));
}

void TCustomCheckBox::UpdateButtonType() {
  if (!HandleAllocated()) return;
  const DWORD type = ButtonType();
  if ((GetWindowLongPtrW(Handle(), GWL_STYLE) & BS_TYPEMASK) != static_cast<LONG_PTR>(type))
    Perform(BM_SETSTYLE, type, TRUE);
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  Value = NormalizeState(Value);
  if (Value == FState) return;
  FState = Value;
  if (HandleAllocated()) {
    UpdateButtonType();
    Perform(BM_SETCHECK, static_cast<WPARAM>(Value));
  }
  StateChanged();
}

void TCustomCheckBox::SetAllowGrayed(bool Value) {
  if (Value == FAllowGrayed) return;
  FAllowGrayed = Value;
  UpdateButtonType();
}

void TCustomCheckBox::SetAlignment(TAlignment Value) {
  if (Value == taCenter) Value = taRightJustify;  // the box is always at one side
  if (Value == FAlignment) return;
  FAlignment = Value;
  if (!HandleAllocated()) return;
  LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  style = Value == taLeftJustify ? (style | BS_LEFTTEXT) : (style & ~static_cast<LONG_PTR>(BS_LEFTTEXT));
  SetWindowLongPtrW(Handle(), GWL_STYLE, style);
  Invalidate();
}

void TCustomCheckBox::StateChanged() {
  CallEvent(FOnChange, this);
  Click();
}

// The window's state is the truth once it changed it (a click of the automatic box, a sibling
// radio button, a BM_SETCHECK from anyone).
void TCustomCheckBox::SyncStateFromWindow() {
  TMessage get{BM_GETCHECK, 0, 0, 0};
  DefaultHandler(get);
  const LRESULT check = get.Result & (BST_CHECKED | BST_INDETERMINATE);
  const TCheckBoxState state = check == BST_CHECKED ? cbChecked : check == BST_INDETERMINATE ? cbGrayed : cbUnchecked;
  if (state == FState) return;
  FState = state;
  UpdateButtonType();
  StateChanged();
}

void TCustomCheckBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case BM_SETCHECK:
      inherited::WndProc(Message);
      return SyncStateFromWindow();
    case CN_COMMAND:
      Message.Result = 0;
      if (HIWORD(Message.WParam) == BN_CLICKED) SyncStateFromWindow();
      return;
    default:
      break;
  }
  inherited::WndProc(Message);
}
