#include <gtest/gtest.h>

#include <string>

#include "ControlTestSupport.h"
#include "ListBox.h"

namespace {

struct TListBoxFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm();
  TListBox* List = nullptr;
  void SetUp() override {
    List = new TListBox(Form.get());
    List->SetParent(Form.get());
    List->SetBounds(10, 10, 121, 129);
  }
  std::string WindowItem(int Index) {
    char text[64] = {};
    SendMessageA(List->Handle(), LB_GETTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  int WindowCount() { return static_cast<int>(SendMessageW(List->Handle(), LB_GETCOUNT, 0, 0)); }
};

SCROLLBARINFO VerticalBar(HWND Window) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(GetScrollBarInfo(Window, OBJID_VSCROLL, &info));
  return info;
}

}  // namespace

TEST_F(TListBoxFixture, ItemsAreKeptInTheWindow) {
  List->Items()->Add("b");
  List->Items()->Add("a");
  List->Items()->Insert(0, "c");
  ASSERT_EQ(WindowCount(), 3);
  EXPECT_EQ(WindowItem(0), "c");
  EXPECT_EQ(WindowItem(2), "a");
  List->Items()->Delete(1);
  EXPECT_EQ(WindowCount(), 2);
  EXPECT_EQ(WindowItem(1), "a");
  List->SetSorted(true);
  EXPECT_EQ(WindowItem(0), "a");
  List->Items()->Add("B");
  EXPECT_EQ(WindowItem(1), "B") << "sorted ignoring case";
  EXPECT_EQ(List->Items()->Strings(1), "B");
  List->SetItemIndex(2);
  const HWND old = List->Handle();
  List->SetBorderStyle(TBorderStyle::bsNone);  // a new window
  EXPECT_NE(List->Handle(), old);
  EXPECT_EQ(WindowCount(), 3);
  EXPECT_EQ(List->ItemIndex(), 2);
  List->Clear();
  EXPECT_EQ(WindowCount(), 0);
}

TEST_F(TListBoxFixture, ClickingAnItemSelectsItAndRunsOnClick) {
  for (int i = 1; i <= 5; ++i) List->Items()->Add("Item" + std::to_string(i));
  List->SetItemHeight(16);
  EXPECT_EQ(SendMessageW(List->Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
  int clicks = 0;
  List->SetOnClick([&](TObject*) { ++clicks; });
  ClickAt(List->Handle(), 20, 16 * 3 + 8);
  EXPECT_EQ(List->ItemIndex(), 3);
  EXPECT_EQ(clicks, 1);
  List->SetItemIndex(1);
  EXPECT_EQ(SendMessageW(List->Handle(), LB_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(List->Selected(1));
  EXPECT_FALSE(List->Selected(3));
}

TEST_F(TListBoxFixture, MultiSelectKeepsSeveralLines) {
  for (int i = 1; i <= 5; ++i) List->Items()->Add("Item" + std::to_string(i));
  List->SetMultiSelect(true);
  EXPECT_TRUE(WindowStyle(List->Handle()) & LBS_EXTENDEDSEL);
  List->SetSelected(0, true);
  List->SetSelected(3, true);
  EXPECT_EQ(List->SelCount(), 2);
  List->SetBorderStyle(TBorderStyle::bsNone);
  EXPECT_TRUE(List->Selected(0));
  EXPECT_TRUE(List->Selected(3));
  EXPECT_FALSE(List->Selected(1));
}

TEST_F(TListBoxFixture, VerticalScrollBarAppearsWhenLinesDoNotFit) {
  List->Items()->Add("only");
  PumpMessages();
  EXPECT_TRUE(VerticalBar(List->Handle()).rgstate[0] & STATE_SYSTEM_INVISIBLE);
  for (int i = 0; i < 20; ++i) List->Items()->Add("Item" + std::to_string(i));
  PumpMessages();
  const SCROLLBARINFO bar = VerticalBar(List->Handle());
  EXPECT_FALSE(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  EXPECT_GT(bar.xyThumbBottom, bar.xyThumbTop);
  SendMessageW(List->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_GT(List->TopIndex(), 0);
}
