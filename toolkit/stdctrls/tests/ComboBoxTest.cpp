#include <gtest/gtest.h>

#include <string>

#include "ComboBox.h"
#include "ControlTestSupport.h"
#include "PropertyApi.h"

namespace {

struct TComboFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm();
  TComboBox* Make(TComboBoxStyle Style) {
    auto* combo = new TComboBox(Form.get());
    combo->SetParent(Form.get());
    combo->SetBounds(10, 10, 121, 21);
    combo->SetStyle(Style);
    for (int i = 1; i <= 10; ++i) combo->Items()->Add("Item" + std::to_string(i));
    return combo;
  }
};

bool IsEmpty(const RECT& R) { return R.right <= R.left || R.bottom <= R.top; }

}  // namespace

TEST_F(TComboFixture, EachStyleAnswersGetComboBoxInfo) {
  EXPECT_EQ(static_cast<int>(csDropDown), 0);
  EXPECT_EQ(static_cast<int>(csSimple), 1);
  EXPECT_EQ(static_cast<int>(csDropDownList), 2);
  struct TCase {
    TComboBoxStyle Style;
    DWORD WindowStyle;
    bool HasEdit;
    bool HasButton;
  };
  const TCase cases[] = {
      {csDropDown, CBS_DROPDOWN, true, true},
      {csSimple, CBS_SIMPLE, true, false},
      {csDropDownList, CBS_DROPDOWNLIST, false, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Style);
    TComboBox* combo = Make(c.Style);
    if (c.Style == csSimple) combo->SetHeight(100);
    EXPECT_EQ(WindowStyle(combo->Handle()) & 3, c.WindowStyle);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    EXPECT_EQ(info.hwndCombo, combo->Handle());
    EXPECT_EQ(info.hwndItem != nullptr, c.HasEdit);
    EXPECT_NE(info.hwndList, nullptr);
    EXPECT_EQ(!IsEmpty(info.rcButton), c.HasButton);
    if (!c.HasButton) {
      EXPECT_EQ(info.stateButton, static_cast<DWORD>(STATE_SYSTEM_INVISIBLE));
    }
    EXPECT_EQ(GetOrdProp(combo, "Style"), static_cast<int>(c.Style));
    delete combo;
  }
}

TEST_F(TComboFixture, SelectionByKeyboardUpdatesItemIndexTextAndEvents) {
  for (TComboBoxStyle style : {csDropDown, csDropDownList}) {
    SCOPED_TRACE(style);
    TComboBox* combo = Make(style);
    int changes = 0, selects = 0;
    std::string textSeen;
    combo->SetOnChange([&](TObject*) {
      ++changes;
      textSeen = combo->Text();
    });
    combo->SetOnSelect([&](TObject*) { ++selects; });
    combo->SetItemIndex(0);
    EXPECT_EQ(changes, 0) << "code that selects is no user change";
    HWND target = combo->Handle();
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo->Handle(), &info);
    if (info.hwndItem) target = info.hwndItem;  // the edit has the keyboard
    SetFocus(target);
    PressKey(target, VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Item2");
    EXPECT_EQ(textSeen, "Item2") << "OnChange sees the new text";
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(selects, 1);
    delete combo;
  }
}

TEST_F(TComboFixture, DroppedDownOpensAndClosesTheList) {
  TComboBox* combo = Make(csDropDownList);
  int drops = 0;
  combo->SetOnDropDown([&](TObject*) { ++drops; });
  combo->SetDroppedDown(true);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETDROPPEDSTATE, 0, 0), TRUE);
  EXPECT_EQ(drops, 1);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(combo->Handle(), &info);
  EXPECT_TRUE(IsWindowVisible(info.hwndList));
  RECT list;
  GetWindowRect(info.hwndList, &list);
  EXPECT_GT(list.bottom - list.top, 3 * 13) << "room for several lines";
  combo->SetDroppedDown(false);
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(TComboFixture, TextOfADropDownListSelectsItsLine) {
  TComboBox* combo = Make(csDropDownList);
  combo->SetText("Item7");
  EXPECT_EQ(combo->ItemIndex(), 6);
  EXPECT_EQ(combo->Text(), "Item7");
  combo->SetText("nothing like it");
  EXPECT_EQ(combo->ItemIndex(), 6);
  // Items and selection survive a change of style, which makes a new window.
  combo->SetStyle(csDropDown);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 10);
  EXPECT_EQ(combo->ItemIndex(), 6);
  EXPECT_EQ(combo->Text(), "Item7");
  combo->SetText("typed");
  EXPECT_EQ(combo->Text(), "typed");
}

TEST_F(TComboFixture, ClosedHeightIsThePlatformsWhateverTheListRoom) {
  TComboBox* combo = Make(csDropDown);
  RECT r;
  GetWindowRect(combo->Handle(), &r);
  EXPECT_LT(r.bottom - r.top, 40);
  EXPECT_EQ(combo->Height(), r.bottom - r.top);
  combo->SetBounds(20, 30, 150, combo->Height());
  GetWindowRect(combo->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 150);
  EXPECT_EQ(combo->Left(), 20);
}
