// The loading protocol without a resource (same states, same Loaded order as the reader) and the
// destroying state a derived destructor sets early.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ComponentStateScope.h"
#include "Publisher.h"
#include "Reader.h"
#include "Writer.h"

namespace {

// Records its Loaded calls in a shared journal with what it saw then: whether it was loading
// before its inherited Loaded ran, and whether the root it belongs to was still loading.
class TLoadProbe : public TComponent {
  VEXA_CLASS(TLoadProbe, TComponent)

public:
  TLoadProbe(TComponent* AOwner, const std::string& AName, std::vector<std::string>& Journal)
      : TComponent(AOwner), FJournal(Journal) {
    SetName(AName);
  }
  bool FailInLoaded = false;

protected:
  void Loaded() override {
    const bool wasLoading = ComponentState().Contains(csLoading);
    TComponent::Loaded();
    const TComponent* root = this;
    while (root->Owner()) root = root->Owner();
    std::string entry = Name();
    if (!wasLoading) entry += " (not loading)";
    if (root != this && !root->ComponentState().Contains(csLoading)) entry += " (root done)";
    FJournal.push_back(entry);
    if (FailInLoaded) throw std::runtime_error("Loaded failed");
  }

private:
  std::vector<std::string>& FJournal;
};

VEXA_DEFINE_CLASS(TLoadProbe) {}

// Form { A { A1, A2 }, B }
struct TProbeTree {
  explicit TProbeTree(std::vector<std::string>& Journal)
      : Form(nullptr, "Form", Journal),
        A(new TLoadProbe(&Form, "A", Journal)),
        A1(new TLoadProbe(A, "A1", Journal)),
        A2(new TLoadProbe(A, "A2", Journal)),
        B(new TLoadProbe(&Form, "B", Journal)) {}
  std::vector<TComponent*> All() { return {&Form, A, A1, A2, B}; }
  TLoadProbe Form;
  TLoadProbe* A;
  TLoadProbe* A1;
  TLoadProbe* A2;
  TLoadProbe* B;
};

bool AnyLoading(const std::vector<TComponent*>& Components) {
  for (const TComponent* c : Components)
    if (c->ComponentState().Contains(csLoading)) return true;
  return false;
}

const std::vector<std::string> kReaderOrder{"A1", "A2", "A", "B", "Form"};

}  // namespace

TEST(LoadingScope, LoadedRunsOncePerComponentInTheReadersOrder) {
  std::vector<std::string> fromReader;
  {
    std::vector<std::string> unused;
    TProbeTree source(unused);
    const std::vector<uint8_t> resource = WriteComponentResource(source.Form);
    TProbeTree target(fromReader);
    ReadComponentResource(target.Form, resource);
  }
  ASSERT_EQ(fromReader, kReaderOrder);

  std::vector<std::string> journal;
  TProbeTree tree(journal);
  LoadedWithoutResource(tree.Form);
  EXPECT_EQ(journal, fromReader) << "each loading when its Loaded came, the root loading until its own";
  EXPECT_FALSE(AnyLoading(tree.All()));
}

TEST(LoadingScope, ValuesSetInsideTheScopeSeeEveryComponentLoading) {
  std::vector<std::string> journal;
  TProbeTree tree(journal);
  TComponentLoadingScope loading(tree.Form);
  for (const TComponent* c : tree.All()) EXPECT_TRUE(c->ComponentState().Contains(csLoading)) << c->Name();
  ASSERT_EQ(loading.Components().size(), 5u);
  EXPECT_EQ(loading.Components().back(), &tree.Form);
  auto* late = new TLoadProbe(&tree.Form, "Late", journal);
  EXPECT_FALSE(late->ComponentState().Contains(csLoading)) << "made after the scope began: not part of it";
  loading.Finish();
  loading.Finish();
  EXPECT_EQ(journal, kReaderOrder) << "a second Finish calls nothing";
  EXPECT_FALSE(AnyLoading(tree.All()));
}

TEST(LoadingScope, EndingWithoutFinishOrThroughAFailingLoadedClearsTheState) {
  std::vector<std::string> journal;
  TProbeTree tree(journal);
  { TComponentLoadingScope abandoned(tree.Form); }
  EXPECT_TRUE(journal.empty()) << "no Finish, no Loaded";
  EXPECT_FALSE(AnyLoading(tree.All()));

  tree.A->FailInLoaded = true;
  EXPECT_THROW(LoadedWithoutResource(tree.Form), std::runtime_error);
  EXPECT_EQ(journal, (std::vector<std::string>{"A1", "A2", "A"})) << "the calls end at the failing one";
  EXPECT_FALSE(AnyLoading(tree.All()));
}

namespace {

// Its destructor marks the destroying state first when asked to, then records the state of
// itself and of every component below it, as teardown code run from there would see it.
class TShutdownProbe : public TComponent {
  VEXA_CLASS(TShutdownProbe, TComponent)

public:
  TShutdownProbe(std::vector<std::string>& Journal, bool MarkEarly)
      : TComponent(nullptr), FJournal(Journal), FMarkEarly(MarkEarly) {
    SetName("Self");
  }
  ~TShutdownProbe() override {
    if (FMarkEarly) {
      Destroying();
      Destroying();  // harmless the second time, and the base destructor's third
    }
    Record(*this);
  }

private:
  void Record(const TComponent& Component) {
    FJournal.push_back(Component.Name() + (Component.ComponentState().Contains(csDestroying) ? " destroying" : " alive"));
    for (int i = 0; i < Component.ComponentCount(); ++i) Record(*Component.Components(i));
  }
  std::vector<std::string>& FJournal;
  bool FMarkEarly;
};

VEXA_DEFINE_CLASS(TShutdownProbe) {}

}  // namespace

// Destroying is for derived classes only.
template <class T>
concept CanMarkDestroying = requires(T& Component) { Component.Destroying(); };
static_assert(!CanMarkDestroying<TComponent>);

TEST(DestroyingState, ADerivedDestructorMarksItselfAndWhatItOwnsFirst) {
  struct Case {
    bool MarkEarly;
    std::vector<std::string> Expected;
  } cases[] = {
      {true, {"Self destroying", "Child destroying", "Grandchild destroying", "Other destroying"}},
      {false, {"Self alive", "Child alive", "Grandchild alive", "Other alive"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> journal;
    auto* probe = new TShutdownProbe(journal, c.MarkEarly);
    auto* child = new TComponent(probe);
    child->SetName("Child");
    (new TComponent(child))->SetName("Grandchild");
    (new TComponent(probe))->SetName("Other");
    delete probe;
    EXPECT_EQ(journal, c.Expected) << "marked early: " << c.MarkEarly;
  }
}
