// Registration through a designer host, editor lookup, and editors run on components.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DesignTestComponents.h"
#include "ClassInfo.h"
#include "DesignerHost.h"
#include "PropInfo.h"
#include "Registration.h"
#include "StringProperty.h"

namespace {

// Shows its tag as the value, so a test sees which registration made it.
class TTagEditor : public TPropertyEditor {
public:
  TTagEditor(std::string Tag, IDesigner* Designer, std::vector<TPersistent*> Components, const TPropInfo& Prop)
      : TPropertyEditor(Designer, std::move(Components), Prop), FTag(std::move(Tag)) {}
  std::string GetValue() const override { return FTag; }

private:
  std::string FTag;
};

TPropertyEditorFactory Tagged(const std::string& Tag) {
  return [Tag](IDesigner* Designer, std::vector<TPersistent*> Components, const TPropInfo& Prop) -> std::unique_ptr<TPropertyEditor> {
    return std::make_unique<TTagEditor>(Tag, Designer, std::move(Components), Prop);
  };
}

bool gUnitRan = false;

void RegisterTestUnit() {
  gUnitRan = true;
  RegisterPropertyEditor("String", &TDesignTestEngine::StaticClassInfo(), "SkinFile", Tagged("engine file"));
  RegisterPropertyEditor("String", &TDesignTestItem::StaticClassInfo(), "SkinFile", Tagged("item file"));
  RegisterComponents("Vexa", {&TDesignTestEngine::StaticClassInfo()});
  RegisterComponents("Extra", {&TDesignTestItem::StaticClassInfo(), &TDesignTestEngine::StaticClassInfo()});
}

void RegisterTestPackage() { RegisterUnit("TestReg", &RegisterTestUnit); }

}  // namespace

TEST(Registration, CallsDoNothingWithoutAHost) {
  ASSERT_EQ(CurrentRegistrationHost(), nullptr);
  gUnitRan = false;
  RegisterTestPackage();
  RegisterComponents("Vexa", {&TDesignTestEngine::StaticClassInfo()});
  EXPECT_FALSE(gUnitRan);
}

TEST(Registration, HostRecordsUnitsEditorsAndPalettePagesInOrder) {
  TDesignerHost host;
  host.LoadPackage("Vexa", &RegisterTestPackage);
  EXPECT_EQ(CurrentRegistrationHost(), nullptr);  // only while the package loads
  EXPECT_EQ(host.Log(), (std::vector<std::string>{
                            "package Vexa",
                            "unit TestReg",
                            "editor String TDesignTestEngine.SkinFile",
                            "editor String TDesignTestItem.SkinFile",
                            "component Vexa TDesignTestEngine",
                            "component Extra TDesignTestItem",
                            "component Extra TDesignTestEngine",
                        }));
  EXPECT_EQ(host.Units(), std::vector<std::string>{"TestReg"});
  EXPECT_EQ(host.Pages(), (std::vector<std::string>{"Vexa", "Extra"}));
  EXPECT_EQ(host.PageClasses("vexa"), std::vector<const TClassInfo*>{&TDesignTestEngine::StaticClassInfo()});
  EXPECT_EQ(host.FindComponentClass("tdesigntestitem"), &TDesignTestItem::StaticClassInfo());
  EXPECT_EQ(host.FindComponentClass("TButton"), nullptr);
}

TEST(Registration, EditorLookupTakesTheClosestFit) {
  TDesignerHost host;
  {
    TRegistrationHostScope scope(&host);
    RegisterPropertyEditor("String", nullptr, "", Tagged("any text"));
    RegisterPropertyEditor("string", &TComponent::StaticClassInfo(), "SkinFile", Tagged("component file"));
    RegisterPropertyEditor("String", &TDesignTestEngine::StaticClassInfo(), "SkinFile", Tagged("engine file"));
    RegisterPropertyEditor("String", &TDesignTestEngine::StaticClassInfo(), "", Tagged("engine text"));
    RegisterPropertyEditor("String", nullptr, "", Tagged("any text, later"));
    RegisterPropertyEditor("Integer", &TDesignTestItem::StaticClassInfo(), "", Tagged("item number"));
  }
  TDesignTestEngine engine(nullptr);
  TDesignTestItem item(nullptr);
  engine.SetActive(true);
  struct Case {
    TPersistent* Component;
    const char* Property;
    const char* Expected;
  };
  const Case cases[] = {
      {&engine, "SkinFile", "engine file"},       // named property and closest class
      {&item, "SkinFile", "component file"},      // named property, ancestor class
      {&engine, "caption", "engine text"},        // any property name of the engine's class
      {&item, "Name", "any text, later"},         // the later of two equal fits
      {&engine, "Count", "0"},                    // "item number" is for another class
      {&engine, "Active", "True"},                // nothing registered: the standard editor
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Property);
    std::unique_ptr<TPropertyEditor> editor = host.CreateEditor({c.Component}, c.Property);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetValue(), c.Expected);
  }
  EXPECT_EQ(host.CreateEditor({&engine}, "NoSuchProperty"), nullptr);
}

TEST(PropertyEditors, StandardEditorsShowEveryKindAndWriteTheWholeSelection) {
  TDesignerHost host;
  TComponent form(nullptr);
  auto* first = new TDesignTestEngine(&form);
  auto* second = new TDesignTestEngine(&form);
  auto* buddy = new TDesignTestItem(&form);
  buddy->SetName("Item1");
  first->SetCaption("Hello");
  first->SetActive(true);
  first->SetMode(dmSecond);
  first->SetCount(42);
  first->SetFlags({dfA, dfC});
  first->SetBuddy(buddy);
  struct Case {
    const char* Property;
    const char* Expected;
  };
  for (const Case& c : {Case{"Caption", "Hello"}, Case{"Active", "True"}, Case{"Mode", "dmSecond"},
                        Case{"Count", "42"}, Case{"Flags", "[dfA,dfC]"}, Case{"Buddy", "Item1"}}) {
    SCOPED_TRACE(c.Property);
    EXPECT_EQ(host.CreateEditor({first, second}, c.Property)->GetValue(), c.Expected);
  }

  std::unique_ptr<TPropertyEditor> caption = host.CreateEditor({first, second}, "Caption");
  EXPECT_TRUE(caption->GetAttributes().Contains(paMultiSelect));
  EXPECT_EQ(caption->PropCount(), 2);
  EXPECT_EQ(caption->GetComponent(1), second);
  EXPECT_THROW(caption->GetComponent(2), std::exception);
  caption->SetValue("Both");
  EXPECT_EQ(first->Caption(), "Both");
  EXPECT_EQ(second->Caption(), "Both");
  EXPECT_EQ(host.ModifiedCount(), 1);

  // SkinFile goes through its setter, as typed text in the grid would.
  host.CreateEditor({second}, "SkinFile")->SetValue("C:\\skins\\blue.mvx");
  EXPECT_EQ(second->Loads, 1);
  EXPECT_EQ(first->Loads, 0);
  EXPECT_EQ(host.ModifiedCount(), 2);

  // The base editor ignores typed text; a selection cannot be empty.
  host.CreateEditor({first}, "Count")->SetValue("7");
  EXPECT_EQ(first->Count(), 42);
  EXPECT_THROW(TStringProperty(&host, {}, *caption->GetPropInfo().DeclaringClass().FindProperty("Caption")),
               std::exception);
}
