#include <gtest/gtest.h>

#include <vector>

#include "CheckBox.h"
#include "ControlTestSupport.h"
#include "GroupBox.h"
#include "PropertyApi.h"
#include "RadioButton.h"
#include "ToggleBox.h"

namespace {

struct TCheckFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm();
  template <class T>
  T* Make(TWinControl* Parent, int Top) {
    auto* control = new T(Form.get());
    control->SetParent(Parent);
    control->SetBounds(10, Top, 120, 17);
    control->SetCaption("Option");
    return control;
  }
};

LRESULT WindowCheck(TWinControl* Control) { return SendMessageW(Control->Handle(), BM_GETCHECK, 0, 0); }

}  // namespace

TEST_F(TCheckFixture, ClicksCycleTheStateAsAllowGrayedSays) {
  struct TCase {
    bool AllowGrayed;
    std::vector<TCheckBoxState> States;  // after each click
  };
  const TCase cases[] = {
      {false, {cbChecked, cbUnchecked, cbChecked}},
      {true, {cbChecked, cbGrayed, cbUnchecked, cbChecked}},
  };
  for (const TCase& c : cases) {
    auto* box = Make<TCheckBox>(Form.get(), 10);
    box->SetAllowGrayed(c.AllowGrayed);
    int clicks = 0, changes = 0;
    box->SetOnClick([&](TObject*) { ++clicks; });
    box->SetOnChange([&](TObject*) { ++changes; });
    for (size_t i = 0; i < c.States.size(); ++i) {
      SendMessageW(box->Handle(), BM_CLICK, 0, 0);
      EXPECT_EQ(box->State(), c.States[i]) << "click " << i + 1 << " AllowGrayed " << c.AllowGrayed;
      EXPECT_EQ(WindowCheck(box), static_cast<LRESULT>(c.States[i]));
      EXPECT_EQ(box->Checked(), c.States[i] == cbChecked);
    }
    EXPECT_EQ(clicks, static_cast<int>(c.States.size()));
    EXPECT_EQ(changes, clicks);
    delete box;
  }
}

TEST_F(TCheckFixture, CheckSentFromOutsideUpdatesTheControl) {
  auto* box = Make<TCheckBox>(Form.get(), 10);
  int clicks = 0;
  box->SetOnClick([&](TObject*) { ++clicks; });
  SendMessageW(box->Handle(), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
  SendMessageW(box->Handle(), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(clicks, 1) << "no change, no event";
  SendMessageW(box->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(clicks, 2);
}

TEST_F(TCheckFixture, StateSetByCodeReachesTheWindowThroughItsProcedure) {
  auto* box = Make<TCheckBox>(Form.get(), 10);
  TSubclassProbe probe(*box);
  int clicks = 0;
  box->SetOnClick([&](TObject*) { ++clicks; });
  box->SetChecked(true);
  EXPECT_EQ(probe.Count(BM_SETCHECK), 1);
  EXPECT_EQ(WindowCheck(box), BST_CHECKED);
  // Grayed is possible by code even where a click would never give it; the next click clears it.
  box->SetState(cbGrayed);
  EXPECT_EQ(WindowCheck(box), BST_INDETERMINATE);
  EXPECT_EQ(clicks, 2);
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box->State(), cbUnchecked);
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box->State(), cbChecked);
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box->State(), cbUnchecked) << "without AllowGrayed a click never grays the box";
}

TEST_F(TCheckFixture, StateAndAlignmentSurviveANewWindow) {
  auto* box = Make<TCheckBox>(Form.get(), 10);
  box->SetAlignment(taLeftJustify);
  EXPECT_TRUE(WindowStyle(box->Handle()) & BS_LEFTTEXT);
  box->SetState(cbGrayed);
  const HWND old = box->Handle();
  box->SetBiDiMode(bdRightToLeft);  // makes the window again
  EXPECT_NE(box->Handle(), old);
  EXPECT_EQ(WindowCheck(box), BST_INDETERMINATE);
  EXPECT_TRUE(WindowStyle(box->Handle()) & BS_LEFTTEXT);
  EXPECT_EQ(box->State(), cbGrayed);
}

TEST_F(TCheckFixture, ToggleBoxIsAPushLikeCheckBox) {
  auto* toggle = Make<TToggleBox>(Form.get(), 10);
  EXPECT_TRUE(WindowStyle(toggle->Handle()) & BS_PUSHLIKE);
  EXPECT_TRUE(toggle->InheritsFrom(TCustomCheckBox::StaticClassInfo()));
  ClickAt(toggle->Handle(), 5, 5);
  EXPECT_TRUE(toggle->Checked());
  EXPECT_EQ(SendMessageW(toggle->Handle(), BM_GETSTATE, 0, 0) & BST_CHECKED, BST_CHECKED);
  ClickAt(toggle->Handle(), 5, 5);
  EXPECT_FALSE(toggle->Checked());
}

TEST_F(TCheckFixture, RadioButtonsOfOneParentUncheckEachOther) {
  auto* group = new TGroupBox(Form.get());
  group->SetParent(Form.get());
  group->SetBounds(200, 10, 150, 100);
  TRadioButton* a = Make<TRadioButton>(Form.get(), 10);
  TRadioButton* b = Make<TRadioButton>(Form.get(), 30);
  TRadioButton* elsewhere = Make<TRadioButton>(group, 20);
  elsewhere->SetChecked(true);
  int aClicks = 0, bClicks = 0;
  a->SetOnClick([&](TObject*) { ++aClicks; });
  b->SetOnClick([&](TObject*) { ++bClicks; });

  ClickAt(a->Handle(), 5, 5);
  EXPECT_TRUE(a->Checked());
  EXPECT_EQ(aClicks, 1);
  ClickAt(b->Handle(), 5, 5);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked()) << "the platform's click unchecks the sibling";
  EXPECT_EQ(WindowCheck(a), BST_UNCHECKED);
  EXPECT_EQ(aClicks, 1) << "unchecking is no click";
  a->SetChecked(true);
  EXPECT_FALSE(b->Checked()) << "checking by code unchecks the sibling too";
  EXPECT_EQ(WindowCheck(b), BST_UNCHECKED);
  EXPECT_EQ(aClicks, 2);
  EXPECT_TRUE(elsewhere->Checked()) << "another parent is another group";

  a->SetState(cbGrayed);
  EXPECT_EQ(a->State(), cbChecked) << "a radio button is never grayed";
  EXPECT_EQ(WindowStyle(a->Handle()) & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
}

TEST_F(TCheckFixture, PublishedProperties) {
  auto* box = Make<TCheckBox>(Form.get(), 10);
  auto* radio = Make<TRadioButton>(Form.get(), 30);
  for (const char* name : {"State", "Checked", "AllowGrayed", "Alignment", "Caption", "Color", "ParentColor", "Font"})
    EXPECT_TRUE(HasPublishedProperty(box, name)) << name;
  EXPECT_TRUE(HasPublishedProperty(radio, "Checked"));
  EXPECT_FALSE(HasPublishedProperty(radio, "State"));
  SetEnumProp(box, "State", "cbGrayed");
  EXPECT_EQ(WindowCheck(box), BST_INDETERMINATE);
}
