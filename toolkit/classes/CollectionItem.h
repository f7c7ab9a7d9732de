#pragma once
#include <string>

#include "Persistent.h"

class TCollection;

// One item of a TCollection. Items are created by their collection (Add, Insert, or reading a form
// resource) and owned by it; an item deleted directly leaves its collection first. Subclasses
// publish their own properties and may declare defined properties like components.
class TCollectionItem : public TPersistent {
  VEXA_CLASS(TCollectionItem, TPersistent)

public:
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return FCollection; }
  // Moves the item to another collection, which then owns it; with null the caller owns it.
  void SetCollection(TCollection* Value);
  int Index() const;  // -1 outside a collection
  virtual void SetIndex(int Value);
  int ID() const { return FID; }  // unique within its collection, never reused
  virtual std::string DisplayName() const { return ClassName(); }

  TPersistent* GetOwner() const override;
  std::string GetNamePath() const override;

protected:
  // Tells the collection that this item (or, with AllItems, the whole collection) changed.
  void Changed(bool AllItems);

private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};
