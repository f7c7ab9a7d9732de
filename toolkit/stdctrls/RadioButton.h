#pragma once
#include "CustomCheckBox.h"

// A radio button ("BUTTON" with BS_AUTORADIOBUTTON). Checking one, by a click or by code, unchecks
// the other radio buttons of the same parent. It is never grayed. OnClick runs when it becomes
// checked; OnChange on every change.
class TRadioButton : public TCustomCheckBox {
  VEXA_CLASS(TRadioButton, TCustomCheckBox)

public:
  explicit TRadioButton(TComponent* AOwner);

protected:
  DWORD ButtonType() const override { return BS_AUTORADIOBUTTON; }
  void StateChanged() override;
  TCheckBoxState NormalizeState(TCheckBoxState Value) const override {
    return Value == cbGrayed ? cbChecked : Value;
  }
};
