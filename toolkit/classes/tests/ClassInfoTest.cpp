// The class registry: names, ancestry, lookup by name for classes defined outside the library, and
// factories.
#include <gtest/gtest.h>

#include "ClassesErrors.h"
#include "FormFixture.h"
#include "StringList.h"

TEST(ClassInfo, KnowsItsNameAndAncestry) {
  TTestForm form;
  const TClassInfo& info = form.Button1->ClassInfo();
  EXPECT_EQ(form.Button1->ClassName(), "TTestButton");
  std::vector<std::string> chain;
  for (const TClassInfo* c = &info; c; c = c->ClassParent()) chain.push_back(c->ClassName());
  EXPECT_EQ(chain, (std::vector<std::string>{"TTestButton", "TTestControl", "TComponent", "TPersistent", "TObject"}));

  EXPECT_TRUE(form.Button1->InheritsFrom(TTestControl::StaticClassInfo()));
  EXPECT_TRUE(form.Button1->InheritsFrom("ttestcontrol")) << "names ignore case";
  EXPECT_TRUE(form.Button1->InheritsFrom("TTestButton"));
  EXPECT_FALSE(form.Button1->InheritsFrom(TTestMemo::StaticClassInfo()));
  EXPECT_FALSE(form.Menu1->InheritsFrom("TTestControl"));
}

TEST(ClassInfo, FindsClassesRegisteredByAnyLinkedCode) {
  // The fixture classes live in the test program, not in the library.
  EXPECT_EQ(&FindClass("TTestMemo"), &TTestMemo::StaticClassInfo());
  EXPECT_EQ(GetClass("tstringlist"), &TStringList::StaticClassInfo());
  EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
  try {
    FindClass("TNoSuchClass");
    FAIL() << "no exception";
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TNoSuchClass not found");
  }
}

TEST(ClassInfo, RefusesASecondClassOfTheSameName) {
  TClassInfo impostor("TTestButton", &TComponent::StaticClassInfo(), nullptr, nullptr);
  EXPECT_THROW(RegisterClassInfo(impostor), EClassesError);
  EXPECT_EQ(&FindClass("TTestButton"), &TTestButton::StaticClassInfo());
  EXPECT_NO_THROW(RegisterClassInfo(TTestButton::StaticClassInfo())) << "registering the same class again is harmless";
}

TEST(ClassInfo, FactoriesBuildTheRightKindOfObject) {
  TTestForm owner;
  std::unique_ptr<TObject> made = FindClass("TTestMenu").NewInstance({&owner, nullptr});
  auto* menu = dynamic_cast<TTestMenu*>(made.get());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Owner(), &owner);
  EXPECT_EQ(owner.Components(owner.ComponentCount() - 1), menu);
  made.reset();  // deleting it directly takes it out of its owner
  EXPECT_EQ(owner.Components(owner.ComponentCount() - 1), owner.Frame1);

  EXPECT_TRUE(TStringList::StaticClassInfo().CanCreate());
  EXPECT_NE(dynamic_cast<TStringList*>(TStringList::StaticClassInfo().NewInstance().get()), nullptr);
  EXPECT_FALSE(TStrings::StaticClassInfo().CanCreate()) << "abstract";
  EXPECT_THROW(TStrings::StaticClassInfo().NewInstance(), EClassesError);
  EXPECT_FALSE(TCollection::StaticClassInfo().CanCreate()) << "needs its item class";
}
