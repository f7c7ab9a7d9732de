#include "CustomButton.h"

#include <commctrl.h>

#include "ControlMessages.h"
#include "CustomForm.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomButton) {}

TCustomButton::TCustomButton(TComponent* AOwner) : TNativeControl(AOwner, L"BUTTON", ICC_STANDARD_CLASSES) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

TCustomButton::~TCustomButton() {
  MarkDestroying();
  if (FKeyHandler && Application) Application->RemoveKeyDownHandler(FKeyHandler);
  DestroyHandle();
}

void TCustomButton::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= ButtonType();
}

DWORD TCustomButton::ButtonType() const { return FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

void TCustomButton::UpdateButtonType() {
  if (HandleAllocated()) Perform(BM_SETSTYLE, ButtonType(), TRUE);
}

void TCustomButton::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  UpdateButtonType();
  UpdateKeyHandler();
}

void TCustomButton::SetCancel(bool Value) {
  if (Value == FCancel) return;
  FCancel = Value;
  UpdateKeyHandler();
}

// Return and Escape are seen before the focused control gets them, so a default or cancel button
// listens to the application's key-down handlers for as long as it is one.
void TCustomButton::UpdateKeyHandler() {
  const bool wanted = FDefault || FCancel;
  if (!Application || wanted == (FKeyHandler != 0)) return;
  if (wanted) {
    FKeyHandler = Application->AddKeyDownHandler([this](WORD& Key, TShiftState) { DialogKey(Key); });
  } else {
    Application->RemoveKeyDownHandler(FKeyHandler);
    FKeyHandler = 0;
  }
}

void TCustomButton::DialogKey(WORD& Key) {
  if (!((Key == VK_RETURN && FDefault) || (Key == VK_ESCAPE && FCancel))) return;
  if (Destroying() || !HandleAllocated() || !IsWindowVisible(Handle()) || !IsWindowEnabled(Handle())) return;
  TCustomForm* form = GetParentForm(this);
  if (!form || !form->HandleAllocated()) return;
  // Only the form that has the keyboard focus answers its keys.
  HWND focus = GetFocus();
  HWND formWindow = form->Handle();
  if (!focus || (focus != formWindow && !IsChild(formWindow, focus))) return;
  if (Key == VK_RETURN) {
    if (dynamic_cast<TCustomButton*>(FindControl(focus))) return;  // the focused button clicks itself
    if (SendMessageW(focus, WM_GETDLGCODE, VK_RETURN, 0) & DLGC_WANTALLKEYS) return;  // a multi-line edit
  }
  Key = 0;
  Click();
}

void TCustomButton::Click() {
  if (FModalResult != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  inherited::Click();
}

void TCustomButton::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && HIWORD(Message.WParam) == BN_CLICKED) {
    Message.Result = 0;
    return Click();
  }
  inherited::WndProc(Message);
}

// The platform's button leaves Return to a dialog manager; the toolkit has none.
void TCustomButton::KeyDown(WORD& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (Key != VK_RETURN) return;
  Key = 0;
  Click();
}
