#pragma once
#include "CustomBitBtn.h"

// The bit button forms use: a TCustomBitBtn that publishes its properties.
class TBitBtn : public TCustomBitBtn {
  VEXA_CLASS(TBitBtn, TCustomBitBtn)

public:
  explicit TBitBtn(TComponent* AOwner) : TCustomBitBtn(AOwner) {}
};
