#pragma once
#include "CustomPage.h"

// A page of a TNotebook.
class TPage : public TCustomPage {
  VEXA_CLASS(TPage, TCustomPage)

public:
  explicit TPage(TComponent* AOwner) : TCustomPage(AOwner) {}
};
