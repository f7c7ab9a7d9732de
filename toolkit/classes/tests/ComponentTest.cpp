// Components: ownership and the order of freeing, notifications, free notification across owners,
// names, and the designing state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClassesErrors.h"
#include "Component.h"
#include "Publisher.h"

namespace {

// Records the notifications it receives and its own destruction in a shared journal.
class TProbe : public TComponent {
  VEXA_CLASS(TProbe, TComponent)

public:
  TProbe(TComponent* AOwner, const std::string& AName, std::vector<std::string>& Journal)
      : TComponent(AOwner), FJournal(Journal) {
    SetName(AName);
  }
  ~TProbe() override { FJournal.push_back("free " + Name()); }
  bool RefuseInserts = false;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    // A component announced by its constructor has no name yet.
    const std::string subject = AComponent->Name().empty() ? "new" : AComponent->Name();
    FJournal.push_back(Name() + (Operation == opInsert ? " +" : " -") + subject);
    if (Operation == opInsert && RefuseInserts) throw EComponentError("refused by " + Name());
  }

private:
  std::vector<std::string>& FJournal;
};

VEXA_DEFINE_CLASS(TProbe) {}

std::vector<std::string> Names(const TComponent& Owner) {
  std::vector<std::string> names;
  for (int i = 0; i < Owner.ComponentCount(); ++i) names.push_back(Owner.Components(i)->Name());
  return names;
}

}  // namespace

TEST(ComponentOwnership, OwnerFreesItsComponentsInReverseCreationOrder) {
  std::vector<std::string> journal;
  auto* owner = new TProbe(nullptr, "Owner", journal);
  auto* a = new TProbe(owner, "A", journal);
  new TProbe(a, "A1", journal);
  new TProbe(owner, "B", journal);
  new TProbe(owner, "C", journal);
  journal.clear();
  delete owner;
  EXPECT_EQ(journal, (std::vector<std::string>{"free Owner", "free C", "free B", "free A", "free A1"}))
      << "and no notifications while the owner frees its own";
}

TEST(ComponentOwnership, ComponentDeletedDirectlyLeavesItsOwnerAndTheOthersHear) {
  std::vector<std::string> journal;
  TProbe owner(nullptr, "Owner", journal);
  new TProbe(&owner, "A", journal);
  auto* b = new TProbe(&owner, "B", journal);
  new TProbe(&owner, "C", journal);
  journal.clear();
  delete b;
  EXPECT_EQ(Names(owner), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(owner.FindComponent("B"), nullptr);
  EXPECT_EQ(journal, (std::vector<std::string>{"free B", "C -B", "A -B", "Owner -B"}));
}

TEST(ComponentOwnership, InsertIsAnnouncedToTheOwnerAndItsOtherComponents) {
  std::vector<std::string> journal;
  TProbe owner(nullptr, "Owner", journal);
  new TProbe(&owner, "A", journal);
  new TProbe(&owner, "B", journal);
  journal.clear();
  new TProbe(&owner, "C", journal);
  EXPECT_EQ(journal, (std::vector<std::string>{"B +new", "A +new", "Owner +new"})) << "not to the newcomer itself";
}

TEST(ComponentOwnership, RefusedInsertLeavesNoHalfBuiltComponentBehind) {
  std::vector<std::string> journal;
  TProbe owner(nullptr, "Owner", journal);
  auto* a = new TProbe(&owner, "A", journal);
  a->RefuseInserts = true;
  EXPECT_THROW(new TProbe(&owner, "B", journal), EComponentError);
  EXPECT_EQ(Names(owner), (std::vector<std::string>{"A"}));
}

TEST(ComponentOwnership, InsertComponentMovesAComponentBetweenOwners) {
  std::vector<std::string> journal;
  TProbe first(nullptr, "First", journal);
  TProbe second(nullptr, "Second", journal);
  auto* moving = new TProbe(&first, "Moving", journal);
  new TProbe(&second, "Stay", journal);
  journal.clear();
  second.InsertComponent(moving);
  EXPECT_EQ(moving->Owner(), &second);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(Names(second), (std::vector<std::string>{"Stay", "Moving"}));
  EXPECT_EQ(journal, (std::vector<std::string>{"First -Moving", "Stay +Moving", "Second +Moving"}));

  EXPECT_THROW(moving->InsertComponent(&second), EComponentError) << "a component cannot own its owner";
  auto* clash = new TProbe(nullptr, "stay", journal);
  EXPECT_THROW(second.InsertComponent(clash), EComponentError);
  EXPECT_EQ(clash->Owner(), nullptr);
  delete clash;
}

TEST(ComponentOwnership, ComponentsOutOfRangeIsAnError) {
  std::vector<std::string> journal;
  TProbe owner(nullptr, "Owner", journal);
  new TProbe(&owner, "A", journal);
  EXPECT_THROW(owner.Components(1), EListError);
  EXPECT_THROW(owner.Components(-1), EListError);
  EXPECT_EQ(owner.Components(0)->ComponentIndex(), 0);
  EXPECT_EQ(owner.ComponentIndex(), -1);
}

TEST(ComponentFreeNotification, ReferencesAcrossOwnersHearEachOthersEnd) {
  std::vector<std::string> journal;
  TProbe formA(nullptr, "FormA", journal);
  TProbe formB(nullptr, "FormB", journal);
  auto* watcher = new TProbe(&formA, "Watcher", journal);
  auto* target = new TProbe(&formB, "Target", journal);
  auto* other = new TProbe(&formB, "Other", journal);
  target->FreeNotification(watcher);
  other->FreeNotification(watcher);
  journal.clear();

  delete target;
  EXPECT_EQ(journal, (std::vector<std::string>{"free Target", "Watcher -Target", "Other -Target", "FormB -Target"}));

  // The watcher goes first now: the other side forgets it, and later frees nobody's memory twice.
  journal.clear();
  delete watcher;
  EXPECT_EQ(journal, (std::vector<std::string>{"free Watcher", "Other -Watcher", "FormA -Watcher"}));
  journal.clear();
  delete other;
  EXPECT_EQ(journal, (std::vector<std::string>{"free Other", "FormB -Other"}));
}

TEST(ComponentNames, MustBeIdentifiers) {
  std::vector<std::string> journal;
  TProbe owner(nullptr, "Owner", journal);
  auto* a = new TProbe(&owner, "A", journal);
  for (const char* bad : {"1Button", "Button 1", "Button-1", "Bouton\xC3\xA9", " "}) {
    try {
      a->SetName(bad);
      ADD_FAILURE() << bad;
    } catch (const EComponentError& e) {
      EXPECT_EQ(e.what(), "\"" + std::string(bad) + "\" is not a valid component name");
    }
    EXPECT_EQ(a->Name(), "A");
  }
  for (const char* good : {"_x1", "Button1", "b", ""}) {
    a->SetName(good);
    EXPECT_EQ(a->Name(), good);
  }
}

TEST(ComponentNames, AreUniqueAmongSiblingsIgnoringCase) {
  std::vector<std::string> journal;
  TProbe form(nullptr, "Form1", journal);
  new TProbe(&form, "Button1", journal);
  auto* b = new TProbe(&form, "Button2", journal);
  try {
    b->SetName("BUTTON1");
    FAIL() << "no exception";
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named BUTTON1 already exists in Form1");
  }
  EXPECT_EQ(b->Name(), "Button2");
  b->SetName("button2");  // its own name in another case
  EXPECT_EQ(form.FindComponent("BUTTON2"), b);
  EXPECT_EQ(form.FindComponent(""), nullptr);

  TProbe otherForm(nullptr, "Form2", journal);
  EXPECT_NO_THROW(new TProbe(&otherForm, "Button1", journal)) << "another owner, another name space";
}

TEST(ComponentState, DesigningReachesOwnedAndLaterInsertedComponents) {
  std::vector<std::string> journal;
  TProbe form(nullptr, "Form", journal);
  auto* a = new TProbe(&form, "A", journal);
  auto* a1 = new TProbe(a, "A1", journal);
  form.SetDesigning(true);
  EXPECT_TRUE(a1->ComponentState().Contains(csDesigning));
  auto* later = new TProbe(&form, "Later", journal);
  EXPECT_TRUE(later->ComponentState().Contains(csDesigning));
  form.SetDesigning(false, false);
  EXPECT_FALSE(form.ComponentState().Contains(csDesigning));
  EXPECT_TRUE(a->ComponentState().Contains(csDesigning)) << "SetChildren false leaves the owned ones";
}
