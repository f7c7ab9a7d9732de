#pragma once
#include "CustomTreeView.h"

// The tree view of the component palette: TCustomTreeView with its properties published.
class TTreeView : public TCustomTreeView {
  VEXA_CLASS(TTreeView, TCustomTreeView)

public:
  explicit TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}
};
