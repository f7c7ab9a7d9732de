#pragma once
#include "CustomButton.h"

// The push button forms use: a TCustomButton that publishes its properties.
class TButton : public TCustomButton {
  VEXA_CLASS(TButton, TCustomButton)

public:
  explicit TButton(TComponent* AOwner) : TCustomButton(AOwner) {}
};
