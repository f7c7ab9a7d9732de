#include "InnerEdit.h"

#include "ControlMessages.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TInnerEdit) {}

TInnerEdit::TInnerEdit(TComponent* AOwner) : TNativeControl(AOwner, L"EDIT") { SetTabStop(true); }

void TInnerEdit::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= ES_AUTOHSCROLL | ES_LEFT;
}

void TInnerEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && HIWORD(Message.WParam) == EN_CHANGE) {
    CallEvent(FOnChange, this);
    Message.Result = 0;
    return;
  }
  inherited::WndProc(Message);
}
