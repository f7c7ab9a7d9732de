#pragma once
#include "CustomCheckBox.h"

// A check box that looks like a push button, shown pressed while checked (a "BUTTON" with
// BS_PUSHLIKE).
class TToggleBox : public TCustomCheckBox {
  VEXA_CLASS(TToggleBox, TCustomCheckBox)

public:
  explicit TToggleBox(TComponent* AOwner);

protected:
  void CreateParams(TCreateParams& Params) const override;
};
