#pragma once
#include "CustomListView.h"

// The list view forms use: a TCustomListView that publishes its properties.
class TListView : public TCustomListView {
  VEXA_CLASS(TListView, TCustomListView)

public:
  explicit TListView(TComponent* AOwner) : TCustomListView(AOwner) {}
};
