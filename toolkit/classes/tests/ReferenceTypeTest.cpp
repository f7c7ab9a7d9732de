// Component references published under a declared type name: the name reported, the class asked
// for once such a class is registered, references held as an interface, and their streaming.
#include <gtest/gtest.h>

#include <string>

#include "ClassesErrors.h"
#include "FormFixture.h"
#include "PropertyApi.h"
#include "Reader.h"
#include "Writer.h"

namespace {

// What a holder needs from the component it refers to, as a form needs a menu bar from its menu.
class IGreeter {
public:
  virtual ~IGreeter() = default;
  virtual std::string Greet() const = 0;
};

class TGreeterMenu : public TComponent, public IGreeter {
  VEXA_CLASS(TGreeterMenu, TComponent)

public:
  explicit TGreeterMenu(TComponent* AOwner) : TComponent(AOwner) {}
  std::string Greet() const override { return "hello from " + Name(); }
};

class TPlainMenu : public TComponent {
  VEXA_CLASS(TPlainMenu, TComponent)

public:
  explicit TPlainMenu(TComponent* AOwner) : TComponent(AOwner) {}
};

class THolder : public TComponent {
  VEXA_CLASS(THolder, TComponent)

public:
  explicit THolder(TComponent* AOwner) : TComponent(AOwner) {}
  TComponent* Target() const { return FTarget; }
  void SetTarget(TComponent* Value) { FTarget = Value; }
  TComponent* Spare() const { return FSpare; }
  void SetSpare(TComponent* Value) { FSpare = Value; }
  TTestControl* Buddy() const { return FBuddy; }
  void SetBuddy(TTestControl* Value) { FBuddy = Value; }
  TTestControl* Stranger() const { return FStranger; }
  void SetStranger(TTestControl* Value) { FStranger = Value; }
  IGreeter* Greeter() const { return FGreeter; }
  void SetGreeter(IGreeter* Value) { FGreeter = Value; }

private:
  TComponent* FTarget = nullptr;
  TComponent* FSpare = nullptr;
  TTestControl* FBuddy = nullptr;
  TTestControl* FStranger = nullptr;
  IGreeter* FGreeter = nullptr;
};

class TRefRoot : public TComponent {
  VEXA_CLASS(TRefRoot, TComponent)

public:
  explicit TRefRoot(TComponent* AOwner = nullptr) : TComponent(AOwner) {
    Holder = new THolder(this);
    Holder->SetName("Holder1");
    Menu = new TTestMenu(this);
    Menu->SetName("Menu1");
    Button = new TTestButton(this);
    Button->SetName("Button1");
    Greeter = new TGreeterMenu(this);
    Greeter->SetName("Greeter1");
    Plain = new TPlainMenu(this);
    Plain->SetName("Plain1");
  }
  ~TRefRoot() override { DestroyComponents(); }
  THolder* Holder;
  TTestMenu* Menu;
  TTestButton* Button;
  TGreeterMenu* Greeter;
  TPlainMenu* Plain;
};

}  // namespace

VEXA_DEFINE_CLASS(TGreeterMenu) {}
VEXA_DEFINE_CLASS(TPlainMenu) {}
VEXA_DEFINE_CLASS(THolder) {
  PUBLISHED(Target, "TTestMenu");         // a registered class below TComponent: it counts
  PUBLISHED(Spare, "TNotLinkedMenu");     // no such class in this program: TComponent counts
  PUBLISHED(Buddy, "TTestButton");        // narrows TTestControl
  PUBLISHED(Stranger, "TTestMenu");       // registered, but no TTestControl: TTestControl counts
  PUBLISHED(Greeter, "TGreetingMenu");    // an interface, under a name no class has
}
VEXA_DEFINE_CLASS(TRefRoot) {}

TEST(ReferenceTypes, DeclaredNamesAreReportedAndRegisteredClassesNarrowTheReference) {
  struct Case {
    const char* Prop;
    const char* TypeName;
    const char* ClassName;
  } cases[] = {
      {"Target", "TTestMenu", "TTestMenu"},   {"Spare", "TNotLinkedMenu", "TComponent"},
      {"Buddy", "TTestButton", "TTestButton"}, {"Stranger", "TTestMenu", "TTestControl"},
      {"Greeter", "TGreetingMenu", "TComponent"},
  };
  for (const Case& c : cases) {
    const TPropInfo* prop = GetPropInfo(THolder::StaticClassInfo(), c.Prop);
    ASSERT_NE(prop, nullptr) << c.Prop;
    EXPECT_EQ(prop->Kind(), tkComponent) << c.Prop;
    EXPECT_EQ(prop->PropType().Name(), c.TypeName) << c.Prop;
    ASSERT_NE(prop->PropType().ClassType(), nullptr) << c.Prop;
    EXPECT_EQ(prop->PropType().ClassType()->ClassName(), c.ClassName) << c.Prop;
  }
  // The same declared name on the same C++ type is one type.
  EXPECT_EQ(&GetPropInfo(THolder::StaticClassInfo(), "Target")->PropType(),
            &NamedClassTypeInfo(&TComponent::StaticClassInfo, tkComponent, "ttestmenu"));
}

TEST(ReferenceTypes, SettingByNameTakesOnlyWhatTheTypeAndTheInterfaceAllow) {
  TRefRoot root;
  THolder& holder = *root.Holder;
  struct Case {
    const char* Prop;
    TComponent* Value;
    bool Taken;
  } cases[] = {
      {"Target", root.Menu, true},      {"Target", root.Button, false},  {"Spare", root.Button, true},
      {"Buddy", root.Button, true},     {"Greeter", root.Greeter, true}, {"Greeter", root.Plain, false},
      {"Greeter", nullptr, true},
  };
  for (const Case& c : cases) {
    SetObjectProp(&holder, c.Prop, nullptr);
    if (c.Taken) {
      EXPECT_NO_THROW(SetObjectProp(&holder, c.Prop, c.Value)) << c.Prop;
      EXPECT_EQ(GetObjectProp(&holder, c.Prop), c.Value) << c.Prop;
    } else {
      EXPECT_THROW(SetObjectProp(&holder, c.Prop, c.Value), EPropertyError) << c.Prop;
      EXPECT_EQ(GetObjectProp(&holder, c.Prop), nullptr) << c.Prop;
    }
  }
  SetObjectProp(&holder, "Greeter", root.Greeter);
  ASSERT_NE(holder.Greeter(), nullptr);
  EXPECT_EQ(holder.Greeter()->Greet(), "hello from Greeter1") << "the setter got the component as the interface";
}

TEST(ReferenceTypes, TypedReferencesAndInterfaceReferencesRoundTrip) {
  TRefRoot source;
  source.SetName("Root1");
  source.Holder->SetTarget(source.Menu);
  source.Holder->SetSpare(source.Plain);
  source.Holder->SetBuddy(source.Button);
  source.Holder->SetGreeter(source.Greeter);
  const std::vector<uint8_t> resource = WriteComponentResource(source);

  TRefRoot copy;
  ReadComponentResource(copy, resource);
  EXPECT_EQ(copy.Holder->Target(), copy.Menu);
  EXPECT_EQ(copy.Holder->Spare(), copy.Plain);
  EXPECT_EQ(copy.Holder->Buddy(), copy.Button);
  EXPECT_EQ(copy.Holder->Stranger(), nullptr);
  ASSERT_EQ(copy.Holder->Greeter(), static_cast<IGreeter*>(copy.Greeter));
  EXPECT_EQ(WriteComponentResource(copy), resource);
}

TEST(ReferenceTypes, AReferenceToAComponentWithoutTheInterfaceIsRefusedBeforeAnythingIsApplied) {
  // Written against another form whose Greeter1 greets; read where that form's Greeter1 does not.
  TComponent writtenOther(nullptr);
  writtenOther.SetName("Other");
  (new TGreeterMenu(&writtenOther))->SetName("Greeter1");
  TRefRoot source;
  source.SetName("Root1");
  source.Holder->SetTarget(source.Menu);
  source.Holder->SetGreeter(dynamic_cast<IGreeter*>(writtenOther.Components(0)));
  const std::vector<uint8_t> resource = WriteComponentResource(source);

  static TComponent* readOther = nullptr;
  TComponent plainOther(nullptr);
  plainOther.SetName("Other");
  (new TPlainMenu(&plainOther))->SetName("Greeter1");
  readOther = &plainOther;
  SetFindGlobalComponent([](std::string_view Name) -> TComponent* { return Name == "Other" ? readOther : nullptr; });
  TRefRoot copy;
  try {
    ReadComponentResource(copy, resource);
    ADD_FAILURE() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Error reading Holder1.Greeter: Other.Greeter1 is a TPlainMenu, not a TGreetingMenu");
  }
  SetFindGlobalComponent(nullptr);
  EXPECT_EQ(copy.Holder->Target(), nullptr) << "checked before the first value was applied";
  EXPECT_EQ(copy.Holder->Greeter(), nullptr);
}

TEST(ReferenceTypes, AnInterfaceReferenceMustDeclareItsTypeName) {
  auto unnamed = [](TClassInfo& Target) {
    TPublisher<THolder> published(Target);
    published.Prop("Greeter", &THolder::Greeter, &THolder::SetGreeter);
  };
  EXPECT_THROW(TClassInfo("TUnnamedGreeterHolder", &TComponent::StaticClassInfo(), nullptr, unnamed), EClassesError);
  auto badName = [](TClassInfo& Target) {
    TPublisher<THolder> published(Target);
    published.Prop("Target", &THolder::Target, &THolder::SetTarget, "TColor");  // a known non-class type
  };
  EXPECT_THROW(TClassInfo("TBadRefHolder", &TComponent::StaticClassInfo(), nullptr, badName), EClassesError);
}
