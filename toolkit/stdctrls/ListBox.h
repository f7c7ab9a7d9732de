#pragma once
#include "CustomListBox.h"

// The list box forms use: a TCustomListBox that publishes its properties.
class TListBox : public TCustomListBox {
  VEXA_CLASS(TListBox, TCustomListBox)

public:
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};
