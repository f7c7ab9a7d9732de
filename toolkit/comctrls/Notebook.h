#pragma once
#include "CustomNotebook.h"
#include "Page.h"

// Pages without tabs: a plain container of the toolkit's own class whose pages fill the client
// area and show one at a time, as code chooses through PageIndex.
class TNotebook : public TCustomNotebook {
  VEXA_CLASS(TNotebook, TCustomNotebook)

public:
  explicit TNotebook(TComponent* AOwner) : TCustomNotebook(AOwner) {}

  int PageIndex() const { return ActivePageIndex(); }
  void SetPageIndex(int Value) { SetActivePageIndex(Value); }
  TPage* Pages(int Index) const { return dynamic_cast<TPage*>(TCustomNotebook::Pages(Index)); }
};
