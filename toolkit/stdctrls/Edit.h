#pragma once
#include "CustomEdit.h"

// The one-line edit forms use: a TCustomEdit that publishes its properties.
class TEdit : public TCustomEdit {
  VEXA_CLASS(TEdit, TCustomEdit)

public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};
