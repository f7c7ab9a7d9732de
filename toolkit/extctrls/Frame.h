#pragma once
#include "CustomFrame.h"

// The base of the program's frame classes: TCustomFrame with its properties published.
class TFrame : public TCustomFrame {
  VEXA_CLASS(TFrame, TCustomFrame)

public:
  explicit TFrame(TComponent* AOwner) : TCustomFrame(AOwner) {}
};
