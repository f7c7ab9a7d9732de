#pragma once
#include <memory>
#include <vector>

#include "ListItem.h"
#include "Persistent.h"

class TCustomListView;

// The items of a list view, in display order. Add, Insert, Delete and Clear change the view at
// once; BeginUpdate/EndUpdate stop it redrawing in between.
class TListItems : public TPersistent {
  VEXA_CLASS(TListItems, TPersistent)

public:
  explicit TListItems(TCustomListView& ListView) : FListView(ListView) {}
  ~TListItems() override;

  TCustomListView& ListView() const { return FListView; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TListItem* Item(int Index) const;  // EListError out of range
  int IndexOf(const TListItem* Item) const;
  TListItem* Add();
  TListItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  void BeginUpdate();
  void EndUpdate();

private:
  TCustomListView& FListView;
  std::vector<std::unique_ptr<TListItem>> FItems;
  int FUpdateCount = 0;
};
