#pragma once
#include "CustomComboBox.h"

// The combo box forms use: a TCustomComboBox that publishes its properties.
class TComboBox : public TCustomComboBox {
  VEXA_CLASS(TComboBox, TCustomComboBox)

public:
  explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};
