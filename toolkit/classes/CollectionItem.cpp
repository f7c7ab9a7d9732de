#include "CollectionItem.h"

#include "Collection.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCollectionItem) {}

TCollectionItem::TCollectionItem(TCollection* Collection) {
  if (Collection) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
  if (TCollection* collection = FCollection) {
    collection->Notify(this, cnDeleting);
    (void)collection->Detach(this).release();  // being destroyed already
    collection->Changed();
  }
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (Value == FCollection) return;
  std::unique_ptr<TCollectionItem> self;
  if (TCollection* old = FCollection) {
    old->Notify(this, cnExtracting);
    self = old->Detach(this);
    old->Changed();
  }
  if (Value) Value->InsertItem(self ? self.release() : this);
  else (void)self.release();  // the caller owns it now
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  for (int i = 0; i < FCollection->Count(); ++i)
    if (FCollection->Items(i) == this) return i;
  return -1;
}

void TCollectionItem::SetIndex(int Value) {
  const int current = Index();
  if (current >= 0 && current != Value) FCollection->MoveItem(current, Value);
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

std::string TCollectionItem::GetNamePath() const {
  if (!FCollection) return ClassName();
  return FCollection->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}
