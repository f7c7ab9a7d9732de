// Collections: typed items, adding, inserting, moving and deleting, update notifications, Assign
// and naming.
#include <gtest/gtest.h>

#include "ClassesErrors.h"
#include "FormFixture.h"

namespace {

// An item whose Caption setter reports the change of this one item.
class TNoteItem : public TCollectionItem {
  VEXA_CLASS(TNoteItem, TCollectionItem)

public:
  explicit TNoteItem(TCollection* Collection) : TCollectionItem(Collection) {}
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) {
    FCaption = Value;
    Changed(false);
  }
  void Assign(const TPersistent* Source) override {
    const auto* item = dynamic_cast<const TNoteItem*>(Source);
    if (!item) return TCollectionItem::Assign(Source);
    SetCaption(item->FCaption);
  }

private:
  std::string FCaption;
};

VEXA_DEFINE_CLASS(TNoteItem) { PUBLISHED(Caption); }

// Records Update and Notify calls: "update *" for the whole collection, "update <caption>" for one,
// "<action> <ID>" for Notify (an item deleted directly is no more than a TCollectionItem by then).
class TNotes : public TCollection {
  VEXA_CLASS(TNotes, TCollection)

public:
  TNotes() : TCollection(TNoteItem::StaticClassInfo()) {}
  TNoteItem* Add(const std::string& Caption) {
    auto* item = static_cast<TNoteItem*>(TCollection::Add());
    item->SetCaption(Caption);
    return item;
  }
  TNoteItem* Note(int Index) const { return static_cast<TNoteItem*>(Items(Index)); }
  std::vector<std::string> Journal;

protected:
  void Update(TCollectionItem* Item) override {
    Journal.push_back("update " + (Item ? static_cast<TNoteItem*>(Item)->Caption() : std::string("*")));
  }
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
    static const char* names[] = {"added", "extracting", "deleting"};
    Journal.push_back(std::string(names[Action]) + " " + std::to_string(Item->ID()));
  }
};

VEXA_DEFINE_CLASS(TNotes) {}

std::vector<std::string> Captions(const TNotes& Notes) {
  std::vector<std::string> captions;
  for (int i = 0; i < Notes.Count(); ++i) captions.push_back(Notes.Note(i)->Caption());
  return captions;
}

}  // namespace

TEST(Collection, AddsInsertsMovesAndDeletesItemsOfItsClass) {
  TNotes notes;
  notes.Add("a");
  notes.Add("b");
  notes.Add("c");
  auto* inserted = static_cast<TNoteItem*>(notes.Insert(1));
  inserted->SetCaption("new");
  EXPECT_EQ(Captions(notes), (std::vector<std::string>{"a", "new", "b", "c"}));
  EXPECT_EQ(inserted->Index(), 1);
  EXPECT_EQ(inserted->Collection(), &notes);
  EXPECT_EQ(inserted->ID(), 3) << "IDs follow creation, not position";
  EXPECT_EQ(notes.FindItemID(3), inserted);

  notes.Note(0)->SetIndex(3);
  EXPECT_EQ(Captions(notes), (std::vector<std::string>{"new", "b", "c", "a"}));
  notes.Delete(1);
  EXPECT_EQ(Captions(notes), (std::vector<std::string>{"new", "c", "a"}));
  EXPECT_EQ(notes.FindItemID(1), nullptr);
  EXPECT_EQ(notes.Add("d")->ID(), 4) << "IDs are never reused";

  EXPECT_THROW(notes.Items(4), EListError);
  EXPECT_THROW(notes.Insert(5), EListError);
  EXPECT_THROW(notes.Note(0)->SetIndex(4), EListError);
}

TEST(Collection, ReportsChangesAndFoldsThemInsideUpdates) {
  TNotes notes;
  notes.Add("a");
  EXPECT_EQ(notes.Journal, (std::vector<std::string>{"added 0", "update *", "update a"}))
      << "the item is announced before its caption is set";

  notes.Journal.clear();
  notes.BeginUpdate();
  notes.BeginUpdate();
  notes.Add("b");
  notes.Note(0)->SetCaption("A");
  notes.EndUpdate();
  EXPECT_EQ(notes.Journal, (std::vector<std::string>{"added 1"})) << "no updates while updating";
  notes.EndUpdate();
  EXPECT_EQ(notes.Journal, (std::vector<std::string>{"added 1", "update *"}));

  notes.Journal.clear();
  notes.Clear();
  EXPECT_EQ(notes.Journal, (std::vector<std::string>{"deleting 1", "deleting 0", "update *"}));
  EXPECT_EQ(notes.Count(), 0);
}

TEST(Collection, ItemDeletedDirectlyLeavesItsCollection) {
  TNotes notes;
  notes.Add("a");
  TNoteItem* b = notes.Add("b");
  notes.Add("c");
  notes.Journal.clear();
  delete b;
  EXPECT_EQ(Captions(notes), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(notes.Journal, (std::vector<std::string>{"deleting 1", "update *"}));
}

TEST(Collection, ItemsMoveBetweenCollections) {
  TNotes from, to;
  TNoteItem* item = from.Add("a");
  to.Add("z");
  item->SetCollection(&to);
  EXPECT_EQ(from.Count(), 0);
  EXPECT_EQ(Captions(to), (std::vector<std::string>{"z", "a"}));
  EXPECT_EQ(item->Collection(), &to);
  EXPECT_EQ(from.Journal.back(), "update *");
}

TEST(Collection, AssignCopiesEveryItemThroughItsAssign) {
  TNotes source, target;
  source.Add("a");
  source.Add("b");
  target.Add("old");
  target.Journal.clear();
  target.Assign(&source);
  EXPECT_EQ(Captions(target), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(target.Journal.back(), "update *");
  EXPECT_EQ(std::count(target.Journal.begin(), target.Journal.end(), "update *"), 1) << "one update for the whole copy";

  TStringList lines;
  EXPECT_THROW(target.Assign(&lines), EConvertError);
  EXPECT_EQ(Captions(target), (std::vector<std::string>{"a", "b"}));
}

TEST(Collection, KnowsItsOwnerAndNamesItsItems) {
  TTestForm form;
  TCollection* skins = form.Engine1->Skins();
  skins->Add();
  skins->Add();
  EXPECT_EQ(skins->GetOwner(), form.Engine1);
  EXPECT_EQ(skins->Items(1)->GetOwner(), skins);
  EXPECT_EQ(skins->GetNamePath(), "Engine1.Skins");
  EXPECT_EQ(skins->Items(1)->GetNamePath(), "Engine1.Skins[1]");
  EXPECT_NE(dynamic_cast<TTestSkinItem*>(skins->Items(0)), nullptr) << "items are of the collection's item class";
}

TEST(Collection, NeedsAnItemClassItCanCreate) {
  EXPECT_THROW(TCollection{TTestMenu::StaticClassInfo()}, EClassesError);
  EXPECT_THROW(TCollection{TCollection::StaticClassInfo()}, EClassesError);
}
