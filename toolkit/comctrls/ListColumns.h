#pragma once
#include "Collection.h"
#include "ListColumn.h"

class TCustomListView;

// The columns of a list view; every change of the list or of a column is shown by the view.
class TListColumns : public TCollection {
  VEXA_CLASS(TListColumns, TCollection)

public:
  explicit TListColumns(TCustomListView& ListView);

  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* Items(int Index) const { return static_cast<TListColumn*>(TCollection::Items(Index)); }
  TCustomListView& ListView() const { return FListView; }

protected:
  void Update(TCollectionItem* Item) override;

private:
  TCustomListView& FListView;
};
