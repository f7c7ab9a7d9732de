#pragma once
#include "CustomLabel.h"

// The label of the component palette: TCustomLabel with its properties published.
class TLabel : public TCustomLabel {
  VEXA_CLASS(TLabel, TCustomLabel)

public:
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};
