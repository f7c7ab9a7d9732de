#include "Collection.h"

#include <algorithm>

#include "ClassesErrors.h"
#include "PropertyApi.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCollection) {}

TCollection::TCollection(const TClassInfo& ItemClass, TPersistent* Owner) : FItemClass(ItemClass), FOwner(Owner) {
  if (!ItemClass.InheritsFrom(TCollectionItem::StaticClassInfo()) || !ItemClass.CanCreate())
    throw EClassesError("A collection needs an item class derived from TCollectionItem that can be created, not " + ItemClass.ClassName());
}

TCollection::~TCollection() {
  while (!FItems.empty()) {
    std::unique_ptr<TCollectionItem> last = std::move(FItems.back());
    FItems.pop_back();
    last->FCollection = nullptr;
  }
}

TCollectionItem* TCollection::Items(int Index) const {
  CheckIndex(Index, Count() - 1);
  return FItems[static_cast<size_t>(Index)].get();
}

TCollectionItem* TCollection::Add() {
  // The item enters this collection from its constructor, and is announced once it is whole.
  FConstructing = true;
  std::unique_ptr<TObject> created;
  try {
    created = FItemClass.NewInstance(TCreateArgs{nullptr, this});
  } catch (...) {
    FConstructing = false;
    throw;
  }
  FConstructing = false;
  auto* item = static_cast<TCollectionItem*>(created.release());  // owned by FItems
  try {
    Announce(item);
  } catch (...) {
    Detach(item);  // refused: freed, not left behind
    throw;
  }
  return item;
}

TCollectionItem* TCollection::Insert(int Index) {
  CheckIndex(Index, Count());
  BeginUpdate();
  TCollectionItem* item = nullptr;
  try {
    item = Add();
    MoveItem(Count() - 1, Index);
  } catch (...) {
    --FUpdateCount;
    throw;
  }
  EndUpdate();
  return item;
}

void TCollection::Delete(int Index) {
  TCollectionItem* item = Items(Index);
  Notify(item, cnDeleting);
  std::unique_ptr<TCollectionItem> doomed = Detach(item);
  Changed();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  try {
    while (!FItems.empty()) Delete(Count() - 1);
  } catch (...) {
    --FUpdateCount;
    throw;
  }
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (const auto& item : FItems)
    if (item->FID == ID) return item.get();
  return nullptr;
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TCollection*>(Source);
  if (!source) return TPersistent::Assign(Source);
  if (source == this) return;
  BeginUpdate();
  try {
    Clear();
    for (const auto& item : source->FItems) Add()->Assign(item.get());
  } catch (...) {
    --FUpdateCount;
    throw;
  }
  EndUpdate();
}

std::string TCollection::GetNamePath() const {
  if (!FOwner) return ClassName();
  // Named after the owner's published property that holds this collection.
  for (const TPropInfo* prop : GetPropList(FOwner))
    if (prop->Kind() == tkClass && prop->Access().GetObj(*FOwner) == this) {
      const std::string ownerPath = FOwner->GetNamePath();
      return ownerPath.empty() ? prop->Name() : ownerPath + "." + prop->Name();
    }
  return ClassName();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.emplace_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  if (FConstructing) return;  // Add announces it when its constructor is done
  try {
    Announce(Item);
  } catch (...) {
    (void)Detach(Item).release();  // refused: the item goes back to its creator
    throw;
  }
}

void TCollection::Announce(TCollectionItem* Item) {
  Notify(Item, cnAdded);
  Changed();
}

std::unique_ptr<TCollectionItem> TCollection::Detach(TCollectionItem* Item) {
  auto it = std::find_if(FItems.begin(), FItems.end(), [&](const auto& p) { return p.get() == Item; });
  if (it == FItems.end()) return nullptr;
  std::unique_ptr<TCollectionItem> result = std::move(*it);
  FItems.erase(it);
  result->FCollection = nullptr;
  return result;
}

void TCollection::MoveItem(int CurIndex, int NewIndex) {
  CheckIndex(NewIndex, Count() - 1);
  auto item = std::move(FItems[static_cast<size_t>(CurIndex)]);
  FItems.erase(FItems.begin() + CurIndex);
  FItems.insert(FItems.begin() + NewIndex, std::move(item));
  Changed();
}

void TCollection::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit)
    throw EListError("Collection index " + std::to_string(Index) + " out of bounds (" + std::to_string(Count()) + " items)");
}
