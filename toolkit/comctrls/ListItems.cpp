#include "ListItems.h"

#include <algorithm>
#include <string>

#include "ClassesErrors.h"
#include "CustomListView.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TListItems) {}

TListItems::~TListItems() = default;

TListItem* TListItems::Item(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("List item index " + std::to_string(Index) + " out of bounds (" + std::to_string(Count()) +
                     " items)");
  return FItems[static_cast<size_t>(Index)].get();
}

int TListItems::IndexOf(const TListItem* Item) const {
  const auto it = std::find_if(FItems.begin(), FItems.end(), [Item](const auto& p) { return p.get() == Item; });
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int Index) {
  if (Index < 0 || Index > Count())
    throw EListError("List item index " + std::to_string(Index) + " out of bounds (" + std::to_string(Count()) +
                     " items)");
  FItems.insert(FItems.begin() + Index, std::make_unique<TListItem>(*this));
  FListView.ItemInserted(Index);
  return FItems[static_cast<size_t>(Index)].get();
}

void TListItems::Delete(int Index) {
  Item(Index);  // range check
  // The window lets go first: its notifications may still name the item.
  FListView.ItemDeleting(Index);
  FItems.erase(FItems.begin() + Index);
}

void TListItems::Clear() {
  FListView.ItemsClearing();
  FItems.clear();
}

void TListItems::BeginUpdate() {
  if (FUpdateCount++ == 0) FListView.SetRedraw(false);
}

void TListItems::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) FListView.SetRedraw(true);
}
