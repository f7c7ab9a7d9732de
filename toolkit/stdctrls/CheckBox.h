#pragma once
#include "CustomCheckBox.h"

// The check box forms use: a TCustomCheckBox that publishes its properties.
class TCheckBox : public TCustomCheckBox {
  VEXA_CLASS(TCheckBox, TCustomCheckBox)

public:
  explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};
