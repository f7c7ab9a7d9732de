#pragma once
#include <memory>
#include <string>
#include <vector>

#include "CollectionItem.h"
#include "Persistent.h"

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// An ordered list of items of one class (given at construction, a TCollectionItem descendant with
// a factory), owned by the collection. Update(Item) reports changes: Item for a change of one item,
// null for a change of the list or of several items; BeginUpdate/EndUpdate fold changes into one
// Update(null) at the end. Notify(cnAdded) comes once the item is built when Add made it, and
// Notify(cnDeleting) before it is destroyed when Delete or Clear frees it. For an item constructed
// or deleted directly they come from its base constructor or destructor, when it is only a
// TCollectionItem: receivers then use no more than its identity. In a form resource a collection
// is stored as its items' values, and reading it replaces all items.
class TCollection : public TPersistent {
  VEXA_CLASS(TCollection, TPersistent)

public:
  // Owner is what GetOwner reports (the component whose property this collection is).
  explicit TCollection(const TClassInfo& ItemClass, TPersistent* Owner = nullptr);
  ~TCollection() override;

  const TClassInfo& ItemClass() const { return FItemClass; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int Index) const;  // EListError out of range
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // From another collection: its items' values, through each item's Assign.
  void Assign(const TPersistent* Source) override;
  TPersistent* GetOwner() const override { return FOwner; }
  std::string GetNamePath() const override;

protected:
  virtual void Update(TCollectionItem* Item);
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
  void Changed();

private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void Announce(TCollectionItem* Item);
  std::unique_ptr<TCollectionItem> Detach(TCollectionItem* Item);
  void MoveItem(int CurIndex, int NewIndex);
  void CheckIndex(int Index, int Limit) const;

  const TClassInfo& FItemClass;
  TPersistent* FOwner;
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
  int FUpdateCount = 0;
  int FNextID = 0;
  bool FConstructing = false;  // Add is running an item's constructor
};
