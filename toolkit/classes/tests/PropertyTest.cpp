// Published properties: tables inherited in declaration order, type names and kinds, typed access
// by name that runs the setters, lookups that ignore case, defaults, and the errors.
#include <gtest/gtest.h>

#include "ClassesErrors.h"
#include "FormFixture.h"
#include "PropertyApi.h"

namespace {

VEXA_ENUM(TGadgetMode, gmOff, gmOn, gmAuto)

// Getter-only, narrow-integer, noexcept and stored-rule properties.
class TGadget : public TPersistent {
  VEXA_CLASS(TGadget, TPersistent)

public:
  std::string Version() const { return "1.0"; }
  int8_t Level() const { return FLevel; }
  void SetLevel(int8_t Value) { FLevel = Value; }
  TGadgetMode Mode() const noexcept { return FMode; }
  void SetMode(TGadgetMode Value) noexcept { FMode = Value; }
  int32_t Secret() const { return FSecret; }
  void SetSecret(int32_t Value) { FSecret = Value; }
  bool IsSecretStored() const { return FSecret != 42; }

private:
  int8_t FLevel = 0;
  TGadgetMode FMode = gmOff;
  int32_t FSecret = 0;
};

VEXA_DEFINE_CLASS(TGadget) {
  PUBLISHED_READONLY(Version);
  PUBLISHED(Level);
  PUBLISHED(Mode).Default(gmAuto);
  PUBLISHED(Secret).Stored(&TGadget::IsSecretStored);
}

// The pattern of a control library: a "custom" class keeps a property protected, a descendant
// publishes it.
class TCustomThing : public TComponent {
  VEXA_CLASS(TCustomThing, TComponent)

public:
  using TComponent::TComponent;

protected:
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value + "!"; }

private:
  std::string FCaption;
};

VEXA_DEFINE_CLASS(TCustomThing) {}

class TThing : public TCustomThing {
  VEXA_CLASS(TThing, TCustomThing)

public:
  using TCustomThing::TCustomThing;
};

VEXA_DEFINE_CLASS(TThing) { PUBLISHED(Caption, "TCaption"); }

std::vector<std::string> PropNames(const TObject& Instance) {
  std::vector<std::string> names;
  for (const TPropInfo* p : GetPropList(&Instance)) names.push_back(p->Name());
  return names;
}

template <class Error>
std::string MessageOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no exception)";
}

}  // namespace

TEST(PublishedProperties, AncestorsComeFirstInDeclarationOrder) {
  TTestForm form;
  EXPECT_EQ(PropNames(*form.Button1), (std::vector<std::string>{"Name", "Tag", "Caption", "Visible", "Align", "Anchors",
                                                                 "Color", "Width", "Font", "PopupMenu", "Default",
                                                                 "ModalResult"}))
      << "Width, published again by TTestButton, keeps its place";
  const TPropInfo* buttonWidth = GetPropInfo(form.Button1, "Width");
  const TPropInfo* controlWidth = GetPropInfo(TTestControl::StaticClassInfo(), "Width");
  EXPECT_EQ(&buttonWidth->DeclaringClass(), &TTestButton::StaticClassInfo());
  EXPECT_EQ(buttonWidth->OrdDefault(), 75);
  EXPECT_EQ(controlWidth->OrdDefault(), 0);
  EXPECT_EQ(PropNames(*form.Menu1), (std::vector<std::string>{"Name", "Tag", "AutoPopup"}));
}

TEST(PublishedProperties, DescendantsPublishWhatAncestorsKeepProtected) {
  TThing thing(nullptr);
  TCustomThing custom(nullptr);
  EXPECT_TRUE(HasPublishedProperty(&thing, "Caption"));
  EXPECT_FALSE(HasPublishedProperty(&custom, "Caption"));
  SetStrProp(&thing, "Caption", "Hello");
  EXPECT_EQ(GetStrProp(&thing, "Caption"), "Hello!") << "through the protected setter";
}

TEST(PublishedProperties, TypeNamesAndKinds) {
  struct Case {
    const TClassInfo& Class;
    const char* Prop;
    const char* TypeName;
    TTypeKind Kind;
  } cases[] = {
      {TTestControl::StaticClassInfo(), "Caption", "TCaption", tkString},
      {TTestControl::StaticClassInfo(), "Visible", "Boolean", tkBoolean},
      {TTestControl::StaticClassInfo(), "Align", "TTestAlign", tkEnumeration},
      {TTestControl::StaticClassInfo(), "Anchors", "TTestAnchors", tkSet},
      {TTestControl::StaticClassInfo(), "Color", "TColor", tkColor},
      {TTestControl::StaticClassInfo(), "Width", "Integer", tkInteger},
      {TTestControl::StaticClassInfo(), "Font", "TTestFont", tkClass},
      {TTestControl::StaticClassInfo(), "PopupMenu", "TTestMenu", tkComponent},
      {TTestEngine::StaticClassInfo(), "Skins", "TCollection", tkClass},
      {TTestMemo::StaticClassInfo(), "Lines", "TStringList", tkClass},
      {TComponent::StaticClassInfo(), "Name", "String", tkString},
      {TComponent::StaticClassInfo(), "Tag", "Integer", tkInteger},
  };
  for (const Case& c : cases) {
    const TPropInfo* prop = GetPropInfo(c.Class, c.Prop);
    ASSERT_NE(prop, nullptr) << c.Prop;
    EXPECT_EQ(prop->PropType().Name(), c.TypeName) << c.Prop;
    EXPECT_EQ(prop->Kind(), c.Kind) << c.Prop;
  }
  const TTypeInfo& anchors = GetPropInfo(TTestControl::StaticClassInfo(), "Anchors")->PropType();
  EXPECT_EQ(anchors.EnumNames(), (std::vector<std::string>{"akLeft", "akTop", "akRight", "akBottom"}));
  EXPECT_EQ(LookupTypeInfo("ttestalign"), &TypeInfoFor(static_cast<const TTestAlign*>(nullptr)));
}

TEST(PublishedProperties, HasPublishedPropertyLooksAtAncestorsAndIgnoresCase) {
  TTestForm form;
  struct Case {
    const TObject* Instance;
    const char* Name;
    bool Expected;
  } cases[] = {
      {form.Button1, "Caption", true},   {form.Button1, "caption", true},  {form.Button1, "TAG", true},
      {form.Button1, "Default", true},   {form.Memo1, "Default", false},    {form.Menu1, "Caption", false},
      {form.Memo1, "Lines", true},       {form.Button1, "", false},         {nullptr, "Tag", false},
      {form.Button1, "Font.Size", false},
  };
  for (const Case& c : cases) EXPECT_EQ(HasPublishedProperty(c.Instance, c.Name), c.Expected) << c.Name;
}

TEST(PublishedProperties, SettingByNameRunsTheSetters) {
  TTestForm form;
  TTestButton& button = *form.Button1;
  SetStrProp(&button, "caption", "Go");
  SetOrdProp(&button, "Width", 90);
  SetEnumProp(&button, "Align", "ALCLIENT");
  SetSetProp(&button, "Anchors", "[akTop, akBottom]");
  SetOrdProp(&button, "Visible", 0);
  SetObjectProp(&button, "PopupMenu", form.Menu1);
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"Button1.Caption", "Button1.Width", "Button1.Align", "Button1.Anchors",
                                                   "Button1.Visible", "Button1.PopupMenu"}));
  EXPECT_EQ(button.Caption(), "Go");
  EXPECT_EQ(button.Align(), alClient);
  EXPECT_EQ(button.Anchors(), (TTestAnchors{akTop, akBottom}));
  EXPECT_EQ(button.PopupMenu(), form.Menu1);

  EXPECT_EQ(GetStrProp(&button, "Caption"), "Go");
  EXPECT_EQ(GetOrdProp(&button, "width"), 90);
  EXPECT_EQ(GetEnumProp(&button, "Align"), "alClient");
  EXPECT_EQ(GetEnumProp(&button, "Visible"), "False");
  EXPECT_EQ(GetSetProp(&button, "Anchors"), "akTop,akBottom");
  EXPECT_EQ(GetObjectProp(&button, "Font"), button.Font());
  EXPECT_EQ(GetObjectProp(&button, "PopupMenu"), form.Menu1);

  TGadget gadget;
  SetEnumProp(&gadget, "Mode", "gmOn");
  EXPECT_EQ(gadget.Mode(), gmOn) << "noexcept getters and setters";
  EXPECT_EQ(GetStrProp(&gadget, "Version"), "1.0");
}

TEST(PublishedProperties, EnumerationNamesAndValues) {
  const TTypeInfo& align = TypeInfoFor(static_cast<const TTestAlign*>(nullptr));
  EXPECT_EQ(align.EnumNames(), (std::vector<std::string>{"alNone", "alTop", "alBottom", "alClient"}));
  EXPECT_EQ(GetEnumName(align, alBottom), "alBottom");
  EXPECT_EQ(GetEnumValue(align, "ALTOP"), alTop);
  EXPECT_EQ(GetEnumValue(align, "alLeft"), -1);
  EXPECT_THROW(GetEnumName(align, 4), EPropertyError);
  EXPECT_EQ(GetEnumName(BooleanTypeInfo(), 1), "True");
}

TEST(PublishedProperties, MisuseRaisesClearErrors) {
  TTestForm form;
  TTestButton* button = form.Button1;
  TGadget gadget;
  struct Case {
    std::function<void()> Action;
    const char* Message;
  } cases[] = {
      {[&] { GetOrdProp(button, "Bogus"); }, "TTestButton has no published property \"Bogus\""},
      {[&] { GetStrProp(button, "Width"); }, "Property TTestButton.Width is of type Integer, not a string"},
      {[&] { SetOrdProp(button, "Align", 4); }, "Property TTestControl.Align: value 4 is out of range for TTestAlign"},
      {[&] { SetOrdProp(button, "Anchors", 16); }, "Property TTestControl.Anchors: value 16 is out of range for TTestAnchors"},
      {[&] { SetOrdProp(&gadget, "Level", 128); }, "Property TGadget.Level: value 128 is out of range for Integer"},
      {[&] { SetEnumProp(button, "Align", "alSideways"); }, "Property TTestControl.Align: \"alSideways\" is not a value of TTestAlign"},
      {[&] { SetSetProp(button, "Anchors", "akLeft,akNowhere"); }, "Property TTestControl.Anchors: \"akNowhere\" is not a value of TTestAnchors"},
      {[&] { SetStrProp(&gadget, "Version", "2.0"); }, "Property TGadget.Version is read-only"},
      {[&] { SetObjectProp(button, "PopupMenu", form.Memo1); }, "Property TTestControl.PopupMenu takes a TTestMenu, not a TTestMemo"},
  };
  for (const Case& c : cases) EXPECT_EQ(MessageOf<EPropertyError>(c.Action), c.Message);
  EXPECT_EQ(button->Align(), alNone);
  EXPECT_EQ(gadget.Level(), 0);
}

TEST(PublishedProperties, DefaultsAndStoredRules) {
  TTestForm form;
  TGadget gadget;
  const TPropInfo& width = *GetPropInfo(form.Button1, "Width");
  EXPECT_TRUE(IsDefaultPropValue(form.Button1, width));
  form.Button1->SetWidth(76);
  EXPECT_FALSE(IsDefaultPropValue(form.Button1, width));
  EXPECT_FALSE(IsDefaultPropValue(form.Button1, *GetPropInfo(form.Button1, "Color"))) << "no default: always stored";
  EXPECT_TRUE(IsDefaultPropValue(form.Button1, *GetPropInfo(form.Button1, "Caption"))) << "strings default to empty";
  EXPECT_TRUE(IsDefaultPropValue(form.Button1, *GetPropInfo(form.Button1, "PopupMenu")));
  EXPECT_TRUE(IsDefaultPropValue(form.Button1->Font(), *GetPropInfo(form.Button1->Font(), "Name")));

  const TPropInfo& secret = *GetPropInfo(&gadget, "Secret");
  EXPECT_TRUE(secret.IsStored(gadget));
  gadget.SetSecret(42);
  EXPECT_FALSE(secret.IsStored(gadget));
  EXPECT_FALSE(GetPropInfo(form.Button1, "Name")->IsStored(*form.Button1)) << "kept in the component header";
}

TEST(PublishedProperties, DeclarationsThatDoNotFitAreRefused) {
  // TCaption is a string type; an integer property cannot claim it.
  auto badType = [](TClassInfo& Target) {
    TPublisher<TComponent> published(Target);
    published.Prop("Count", &TComponent::Tag, &TComponent::SetTag, "TCaption");
  };
  EXPECT_THROW(TClassInfo("TBadType", &TComponent::StaticClassInfo(), nullptr, badType), EClassesError);
  auto twice = [](TClassInfo& Target) {
    TPublisher<TComponent> published(Target);
    published.Prop("Count", &TComponent::Tag, &TComponent::SetTag);
    published.Prop("count", &TComponent::Tag, &TComponent::SetTag);
  };
  EXPECT_THROW(TClassInfo("TTwice", &TComponent::StaticClassInfo(), nullptr, twice), EClassesError);
  auto colour = [](TClassInfo& Target) {
    TPublisher<TComponent> published(Target);
    published.Prop("Shade", &TComponent::Tag, &TComponent::SetTag, "TColor");
  };
  TClassInfo fine("TFine", &TComponent::StaticClassInfo(), nullptr, colour);
  EXPECT_EQ(fine.FindProperty("shade")->Kind(), tkColor) << "an integer may be a colour";
}
