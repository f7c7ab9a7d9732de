#include <gtest/gtest.h>

#include <string>

#include "ControlTestSupport.h"
#include "RadioGroup.h"

namespace {

struct TRadioGroupFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm();
  TRadioGroup* Group = nullptr;
  void SetUp() override {
    Group = new TRadioGroup(Form.get());
    Group->SetParent(Form.get());
    Group->SetBounds(10, 10, 185, 153);
    Group->SetCaption("RadioGroup1");
  }
  void SetItems(int Count) {
    Group->Items()->BeginUpdate();
    Group->Items()->Clear();
    for (int i = 1; i <= Count; ++i) Group->Items()->Add("Item " + std::to_string(i));
    Group->Items()->EndUpdate();
  }
  RECT ButtonRect(int Index) { return RectInParent(Group->Buttons(Index)->Handle(), Group->Handle()); }
};

std::string WindowText(HWND Window) {
  char text[64] = {};
  GetWindowTextA(Window, text, sizeof(text));
  return text;
}

}  // namespace

TEST_F(TRadioGroupFixture, ButtonsFollowTheItems) {
  SetItems(3);
  ASSERT_EQ(Group->ButtonCount(), 3);
  EXPECT_EQ(ChildWindowCount(Group->Handle()), 3);
  for (int i = 0; i < 3; ++i) {
    TRadioButton* button = Group->Buttons(i);
    EXPECT_EQ(button->Parent(), Group);
    EXPECT_EQ(button->Owner(), nullptr) << "not stored with the form";
    EXPECT_EQ(WindowText(button->Handle()), "Item " + std::to_string(i + 1));
  }
  Group->Items()->Add("New item");
  EXPECT_EQ(ChildWindowCount(Group->Handle()), 4);
  EXPECT_EQ(WindowText(Group->Buttons(3)->Handle()), "New item");
  Group->Items()->Delete(0);
  ASSERT_EQ(ChildWindowCount(Group->Handle()), 3);
  EXPECT_EQ(WindowText(Group->Buttons(0)->Handle()), "Item 2");
  Group->Items()->SetStrings(1, "Renamed");
  EXPECT_EQ(WindowText(Group->Buttons(1)->Handle()), "Renamed");
  Group->Items()->Clear();
  EXPECT_EQ(ChildWindowCount(Group->Handle()), 0);
  EXPECT_EQ(Group->ItemIndex(), -1);
}

TEST_F(TRadioGroupFixture, ButtonsAreLaidOutInColumns) {
  struct TCase {
    int Items, Columns, Rows;
  };
  const TCase cases[] = {{3, 1, 3}, {3, 2, 2}, {5, 2, 3}, {4, 4, 1}, {2, 3, 1}};
  for (const TCase& c : cases) {
    SetItems(c.Items);
    Group->SetColumns(c.Columns);
    SCOPED_TRACE(std::to_string(c.Items) + " items in " + std::to_string(c.Columns) + " columns");
    const RECT first = ButtonRect(0);
    EXPECT_GT(first.top, 10) << "below the caption";
    EXPECT_GT(first.left, 0);
    for (int i = 0; i < c.Items; ++i) {
      const RECT r = ButtonRect(i);
      const int column = i / c.Rows;
      const int row = i % c.Rows;
      EXPECT_EQ(r.left, first.left + column * (first.right - first.left)) << "button " << i;
      EXPECT_EQ(r.top, first.top + row * (first.bottom - first.top)) << "button " << i;
      EXPECT_LE(r.right, 185);
      EXPECT_LE(r.bottom, 153);
    }
  }
}

TEST_F(TRadioGroupFixture, ItemIndexFollowsClicksAndCode) {
  SetItems(3);
  Group->SetColumns(2);
  int clicks = 0;
  Group->SetOnClick([&](TObject*) { ++clicks; });
  ClickAt(Group->Buttons(2)->Handle(), 4, 4);
  EXPECT_EQ(Group->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  ClickAt(Group->Buttons(0)->Handle(), 4, 4);
  EXPECT_EQ(Group->ItemIndex(), 0);
  EXPECT_FALSE(Group->Buttons(2)->Checked());
  EXPECT_EQ(SendMessageW(Group->Buttons(2)->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(clicks, 2);

  Group->SetItemIndex(1);
  EXPECT_TRUE(Group->Buttons(1)->Checked());
  EXPECT_FALSE(Group->Buttons(0)->Checked());
  Group->SetItemIndex(7);
  EXPECT_EQ(Group->ItemIndex(), 2) << "clamped to the last item";
  Group->SetItemIndex(-1);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Group->Buttons(i)->Checked());

  Group->SetItemIndex(2);
  Group->Items()->Delete(2);
  EXPECT_EQ(Group->ItemIndex(), 1) << "the index stays within the items";
  // Rebuilding on a change of Columns keeps the choice.
  Group->SetColumns(1);
  EXPECT_TRUE(Group->Buttons(Group->ItemIndex())->Checked());
}
