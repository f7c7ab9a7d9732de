#pragma once
#include "CustomGroupBox.h"

// The group box forms use: a TCustomGroupBox that publishes its properties.
class TGroupBox : public TCustomGroupBox {
  VEXA_CLASS(TGroupBox, TCustomGroupBox)

public:
  explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
};
