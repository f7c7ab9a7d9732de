#pragma once
#include <windows.h>

#include "NativeControl.h"
#include "NotifyEvent.h"
#include "StdCtrlsTypes.h"

// A check box (the platform's "BUTTON" class with an automatic check style). State follows the
// window both ways: a click, or a BM_SETCHECK sent by anyone, updates State; setting State sends
// BM_SETCHECK (so a procedure installed over the window sees it). Every change of State runs
// OnChange and then Click (OnClick). With AllowGrayed a click cycles unchecked, checked, grayed;
// without it a click toggles, though code may still set cbGrayed. Alignment taLeftJustify puts
// the caption left of the box.
class TCustomCheckBox : public TNativeControl {
  VEXA_CLASS(TCustomCheckBox, TNativeControl)

public:
  explicit TCustomCheckBox(TComponent* AOwner);

  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  // The BS_ type bits for the present settings and state.
  virtual DWORD ButtonType() const;
  // What a change of State does once the new state is in place.
  virtual void StateChanged();
  // The state a request for Value gives (a box that has no such state maps it to one it has).
  virtual TCheckBoxState NormalizeState(TCheckBoxState Value) const { return Value; }
  void UpdateButtonType();

private:
  void SyncStateFromWindow();

  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = taRightJustify;
  TNotifyEvent FOnChange;
};
