#pragma once
#include "CustomRadioGroup.h"

// The radio group forms use: a TCustomRadioGroup that publishes its properties.
class TRadioGroup : public TCustomRadioGroup {
  VEXA_CLASS(TRadioGroup, TCustomRadioGroup)

public:
  explicit TRadioGroup(TComponent* AOwner) : TCustomRadioGroup(AOwner) {}
};
