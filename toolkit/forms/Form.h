#pragma once
#include "CustomForm.h"

// The form class applications derive their forms from: a TCustomForm that publishes its
// properties, so they are stored in and read from the form resource.
class TForm : public TCustomForm {
  VEXA_CLASS(TForm, TCustomForm)

public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};
