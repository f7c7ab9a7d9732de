// Shortcut values, their text both ways, and a menu finding an item by its shortcut.
#include <gtest/gtest.h>

#include "MainMenu.h"
#include "MenuItem.h"
#include "ShortCut.h"

TEST(ShortCutText, RoundTripsKnownKeys) {
  struct Case {
    WORD Key;
    TShiftState Shift;
    const char* Text;
  };
  const Case cases[] = {
      {'S', {ssCtrl}, "Ctrl+S"},
      {'0', {}, "0"},
      {VK_F1, {}, "F1"},
      {VK_F12, {ssShift, ssAlt}, "Shift+Alt+F12"},
      {VK_DELETE, {ssShift}, "Shift+Del"},
      {VK_RETURN, {ssAlt}, "Alt+Enter"},
      {VK_ADD, {ssCtrl}, "Ctrl+Num +"},
      {VK_NUMPAD7, {}, "Num 7"},
      {VK_OEM_PLUS, {ssCtrl, ssShift}, "Shift+Ctrl+="},
      {'Z', {ssShift, ssCtrl, ssAlt}, "Shift+Ctrl+Alt+Z"},
      {VK_PRIOR, {}, "PgUp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    const TShortCut value = ShortCut(c.Key, c.Shift);
    EXPECT_EQ(ShortCutToText(value), c.Text);
    EXPECT_EQ(TextToShortCut(c.Text), value);
    WORD key;
    TShiftState shift;
    ShortCutToKey(value, key, shift);
    EXPECT_EQ(key, c.Key);
    EXPECT_EQ(shift, c.Shift);
  }
}

TEST(ShortCutText, ParsingIgnoresCaseAndModifierOrderAndRejectsUnknownKeys) {
  EXPECT_EQ(TextToShortCut("ctrl+shift+s"), ShortCut('S', {ssShift, ssCtrl}));
  EXPECT_EQ(TextToShortCut("Alt+Ctrl+f4"), ShortCut(VK_F4, {ssCtrl, ssAlt}));
  EXPECT_EQ(TextToShortCut("num +"), ShortCut(VK_ADD, {}));
  for (const char* bad : {"", "Ctrl+", "Ctrl+Foo", "F25", "Hyper+S", "SS", "Ctrl S"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(TextToShortCut(bad), scNone);
  }
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCutToText(scCtrl | 0xE8), "");  // a key without a name
  EXPECT_EQ(ShortCut(0x1FF, {ssCtrl}), scNone);
  EXPECT_EQ(ShortCut('A', {ssLeft, ssDouble}), TShortCut{'A'});  // mouse state does not count
}

TEST(MenuShortCut, IsShortCutClicksOnlyReachableItems) {
  TMainMenu bar(nullptr);
  auto add = [](TMenuItem* parent, const char* caption, const char* keys) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    item->SetShortCut(TextToShortCut(keys));
    parent->Add(item);
    return item;
  };
  TMenuItem* file = add(bar.Items(), "&File", "");
  TMenuItem* save = add(file, "&Save", "Ctrl+S");
  TMenuItem* help = add(bar.Items(), "&Help", "");
  TMenuItem* contents = add(help, "&Contents", "F1");
  TMenuItem* disabled = add(file, "&Print", "Ctrl+P");
  disabled->SetEnabled(false);
  TMenuItem* secret = add(bar.Items(), "Secret", "");
  add(secret, "Hidden parent", "Ctrl+H");
  secret->SetVisible(false);

  int saves = 0, helps = 0, prints = 0;
  save->SetOnClick([&](TObject*) { ++saves; });
  contents->SetOnClick([&](TObject*) { ++helps; });
  disabled->SetOnClick([&](TObject*) { ++prints; });

  EXPECT_TRUE(bar.IsShortCut('S', {ssCtrl}));
  EXPECT_EQ(saves, 1);
  EXPECT_FALSE(bar.IsShortCut('S', {}));
  EXPECT_FALSE(bar.IsShortCut('S', {ssCtrl, ssShift}));
  EXPECT_TRUE(bar.IsShortCut(VK_F1, {}));
  EXPECT_EQ(helps, 1);
  EXPECT_FALSE(bar.IsShortCut('P', {ssCtrl}));  // disabled
  EXPECT_EQ(prints, 0);
  EXPECT_FALSE(bar.IsShortCut('H', {ssCtrl}));  // under a hidden item
  help->SetEnabled(false);
  EXPECT_FALSE(bar.IsShortCut(VK_F1, {}));  // under a disabled item
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(helps, 1);
  EXPECT_EQ(bar.FindItemByShortCut(TextToShortCut("Ctrl+S")), save);
}
