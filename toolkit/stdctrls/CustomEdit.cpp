#include "CustomEdit.h"

#include <commctrl.h>

#include "ControlMessages.h"
#include "NativeQuery.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomEdit) {}

TCustomEdit::TCustomEdit(TComponent* AOwner) : TNativeControl(AOwner, L"EDIT", ICC_STANDARD_CLASSES) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

void TCustomEdit::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (FBorderStyle == TBorderStyle::bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  inherited::CreateWnd();
  Perform(EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength));
  Perform(EM_SETSEL, static_cast<WPARAM>(FSelStart), static_cast<LPARAM>(FSelStart + FSelLength));
}

void TCustomEdit::DestroyWnd() {
  FSelStart = SelStart();
  FSelLength = SelLength();
  inherited::DestroyWnd();
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  if (HandleAllocated()) Perform(EM_SETREADONLY, Value);
}

void TCustomEdit::SetMaxLength(int Value) {
  if (Value < 0) Value = 0;
  if (Value == FMaxLength) return;
  FMaxLength = Value;
  if (HandleAllocated()) Perform(EM_LIMITTEXT, static_cast<WPARAM>(Value));
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

int TCustomEdit::SelStart() const {
  if (!HandleAllocated()) return FSelStart;
  DWORD start = 0, end = 0;
  QueryWindow(*this, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int Value) {
  FSelStart = Value;
  FSelLength = 0;
  if (HandleAllocated()) Perform(EM_SETSEL, static_cast<WPARAM>(Value), static_cast<LPARAM>(Value));
}

int TCustomEdit::SelLength() const {
  if (!HandleAllocated()) return FSelLength;
  DWORD start = 0, end = 0;
  QueryWindow(*this, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  FSelStart = start;
  FSelLength = Value;
  if (HandleAllocated()) Perform(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + Value));
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) Perform(EM_SETSEL, 0, -1);
}

bool TCustomEdit::Modified() const { return HandleAllocated() && QueryWindow(*this, EM_GETMODIFY) != 0; }

void TCustomEdit::SetModified(bool Value) {
  if (HandleAllocated()) Perform(EM_SETMODIFY, Value);
}

void TCustomEdit::Change() { CallEvent(FOnChange, this); }

void TCustomEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND) {
    Message.Result = 0;
    if (HIWORD(Message.WParam) == EN_CHANGE) Change();
    return;
  }
  inherited::WndProc(Message);
}
