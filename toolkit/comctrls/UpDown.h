#pragma once
#include "CustomUpDown.h"

// The up-down control forms use: a TCustomUpDown that publishes its properties.
class TUpDown : public TCustomUpDown {
  VEXA_CLASS(TUpDown, TCustomUpDown)

public:
  explicit TUpDown(TComponent* AOwner) : TCustomUpDown(AOwner) {}
};
