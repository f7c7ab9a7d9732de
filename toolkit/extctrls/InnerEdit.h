#pragma once
#include "NativeControl.h"
#include "NotifyEvent.h"

// A borderless single-line native edit ("EDIT") used inside a composite control: the text part of
// TFileNameEdit. OnChange runs whenever the text changes (typing or SetText).
class TInnerEdit : public TNativeControl {
  VEXA_CLASS(TInnerEdit, TNativeControl)

public:
  explicit TInnerEdit(TComponent* AOwner);

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;

private:
  TNotifyEvent FOnChange;
};
