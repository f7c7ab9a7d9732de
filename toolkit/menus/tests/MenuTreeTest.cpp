// The item tree and the native menu it keeps: entries, positions, states and pictures, read back
// from the system with GetMenuItemInfo.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "MainMenu.h"
#include "MenuErrors.h"
#include "MenuItem.h"
#include "MenuProbe.h"
#include "PopupMenu.h"
#include "TBitmap.h"
#include "TImageList.h"

TEST(MenuTree, BuildsTheNativeMenuOfVisibleItems) {
  TPopupMenu menu(nullptr);
  TMenuItem* open = AddItem(menu.Items(), "&Open");
  open->SetShortCut(TextToShortCut("Ctrl+O"));
  AddItem(menu.Items(), "-");
  TMenuItem* recent = AddItem(menu.Items(), "&Recent");
  AddItem(recent, "one.txt");
  AddItem(recent, "two.txt");
  TMenuItem* hidden = AddItem(menu.Items(), "Hidden");
  hidden->SetVisible(false);
  AddItem(menu.Items(), "E&xit");

  HMENU handle = menu.Handle();
  ASSERT_TRUE(IsMenu(handle));
  EXPECT_EQ(GetMenuItemCount(handle), 4);
  EXPECT_EQ(EntryTexts(handle), L"&Open\tCtrl+O|-|&Recent|E&xit");

  NativeEntry first = ReadEntry(handle, 0);
  EXPECT_EQ(first.Id, open->Command());
  EXPECT_EQ(first.Data, reinterpret_cast<ULONG_PTR>(open));
  EXPECT_EQ(first.SubMenu, nullptr);
  EXPECT_TRUE(ReadEntry(handle, 1).Type & MFT_SEPARATOR);

  NativeEntry sub = ReadEntry(handle, 2);
  ASSERT_EQ(sub.SubMenu, recent->Handle());
  EXPECT_EQ(EntryTexts(sub.SubMenu), L"one.txt|two.txt");
}

TEST(MenuTree, SettersUpdateTheNativeEntry) {
  struct Case {
    const char* Name;
    std::function<void(TMenuItem*, bool)> Set;
    UINT TypeBits;
    UINT StateBits;
  };
  const Case cases[] = {
      {"Checked", [](TMenuItem* i, bool on) { i->SetChecked(on); }, 0, MFS_CHECKED},
      {"Disabled", [](TMenuItem* i, bool on) { i->SetEnabled(!on); }, 0, MFS_DISABLED},
      {"Default", [](TMenuItem* i, bool on) { i->SetDefault(on); }, 0, MFS_DEFAULT},
      {"RadioItem", [](TMenuItem* i, bool on) { i->SetRadioItem(on); }, MFT_RADIOCHECK, 0},
      {"RightJustify", [](TMenuItem* i, bool on) { i->SetRightJustify(on); }, MFT_RIGHTJUSTIFY, 0},
      {"Separator", [](TMenuItem* i, bool on) { i->SetCaption(on ? "-" : "Item"); }, MFT_SEPARATOR, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPopupMenu menu(nullptr);
    AddItem(menu.Items(), "Before");
    TMenuItem* item = AddItem(menu.Items(), "Item");
    const NativeEntry plain = ReadEntry(menu.Handle(), 1);
    EXPECT_EQ(plain.Type & c.TypeBits, 0u);
    EXPECT_EQ(plain.State & c.StateBits, 0u);

    c.Set(item, true);
    NativeEntry on = ReadEntry(menu.Handle(), 1);
    EXPECT_EQ(on.Type & c.TypeBits, c.TypeBits);
    EXPECT_EQ(on.State & c.StateBits, c.StateBits);
    EXPECT_EQ(on.Id, item->Command());

    c.Set(item, false);
    NativeEntry off = ReadEntry(menu.Handle(), 1);
    EXPECT_EQ(off.Type & c.TypeBits, 0u);
    EXPECT_EQ(off.State & c.StateBits, 0u);
    EXPECT_EQ(off.Text, L"Item");
    EXPECT_EQ(ReadEntry(menu.Handle(), 0).Text, L"Before");  // the neighbour is untouched
  }
}

TEST(MenuTree, CaptionAndShortCutTextFollowTheirSetters) {
  TPopupMenu menu(nullptr);
  TMenuItem* item = AddItem(menu.Items(), "&Save");
  item->SetShortCut(TextToShortCut("Shift+Ctrl+S"));
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).Text, L"&Save\tShift+Ctrl+S");
  item->SetCaption("Save &as\xE2\x80\xA6");  // UTF-8 ellipsis
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).Text, L"Save &as\u2026\tShift+Ctrl+S");
  item->SetShortCut(scNone);
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).Text, L"Save &as\u2026");
}

TEST(MenuTree, InsertAndVisibilityKeepTheNativeOrder) {
  TPopupMenu menu(nullptr);
  TMenuItem* root = menu.Items();
  AddItem(root, "A");
  TMenuItem* b = AddItem(root, "B");
  AddItem(root, "C");
  b->SetVisible(false);
  EXPECT_EQ(EntryTexts(menu.Handle()), L"A|C");

  auto* d = new TMenuItem(nullptr);
  d->SetCaption("D");
  root->Insert(2, d);  // after the hidden B
  EXPECT_EQ(EntryTexts(menu.Handle()), L"A|D|C");
  auto* first = new TMenuItem(nullptr);
  first->SetCaption("First");
  root->Insert(0, first);
  EXPECT_EQ(EntryTexts(menu.Handle()), L"First|A|D|C");

  b->SetVisible(true);
  EXPECT_EQ(EntryTexts(menu.Handle()), L"First|A|B|D|C");
  d->SetVisible(false);
  EXPECT_EQ(EntryTexts(menu.Handle()), L"First|A|B|C");
  EXPECT_EQ(root->IndexOf(d), 3);
  EXPECT_EQ(d->MenuIndex(), 3);
  EXPECT_EQ(root->Count(), 5);
}

TEST(MenuTree, SubMenuFollowsTheSubItemsAndOutlivesHiding) {
  TPopupMenu menu(nullptr);
  TMenuItem* file = AddItem(menu.Items(), "File");
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).SubMenu, nullptr);
  AddItem(file, "New");
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).SubMenu, file->Handle());
  HMENU sub = file->Handle();

  // Hidden and shown again, or taken out and put back: the same sub-menu, still whole.
  file->SetVisible(false);
  file->SetVisible(true);
  menu.Items()->Remove(file);
  menu.Items()->Add(file);
  ASSERT_TRUE(IsMenu(sub));
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).SubMenu, sub);
  EXPECT_EQ(EntryTexts(sub), L"New");

  file->Delete(0);
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).SubMenu, nullptr);
  EXPECT_TRUE(IsMenu(sub));  // still the item's, ready for the next sub-item
  EXPECT_EQ(GetMenuItemCount(sub), 0);
}

TEST(MenuTree, RemoveKeepsTheItemAndDeleteFreesIt) {
  TPopupMenu menu(nullptr);
  TMenuItem* keep = AddItem(menu.Items(), "Keep");
  TMenuItem* gone = AddItem(menu.Items(), "Gone");
  AddItem(gone, "Child");
  const HMENU goneSub = gone->Handle();

  menu.Items()->Remove(keep);
  EXPECT_EQ(keep->Parent(), nullptr);
  EXPECT_EQ(EntryTexts(menu.Handle()), L"Gone");
  std::unique_ptr<TMenuItem> kept(keep);  // ours now

  menu.Items()->Delete(0);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 0);
  EXPECT_FALSE(IsMenu(goneSub));
  EXPECT_EQ(EntryTexts(menu.Handle()), L"");

  menu.Items()->Add(kept.release());  // back in, at the end
  EXPECT_EQ(EntryTexts(menu.Handle()), L"Keep");
}

TEST(MenuTree, OwnedItemsLeaveTheirOwnerWhenTheMenuGoes) {
  TComponent form(nullptr);
  {
    TPopupMenu menu(nullptr);
    auto* a = new TMenuItem(&form);
    auto* b = new TMenuItem(&form);
    menu.Items()->Add(a);
    a->Add(b);
    EXPECT_EQ(form.ComponentCount(), 2);
  }
  EXPECT_EQ(form.ComponentCount(), 0);

  // And the other way round: the owner frees items that sit in a menu that lives on.
  TPopupMenu menu(nullptr);
  {
    TComponent owner(nullptr);
    auto* a = new TMenuItem(&owner);
    a->SetCaption("A");
    menu.Items()->Add(a);
    AddItem(a, "sub");
    EXPECT_EQ(GetMenuItemCount(menu.Handle()), 1);
  }
  EXPECT_EQ(menu.Items()->Count(), 0);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 0);
}

TEST(MenuTree, MisuseRaisesMenuErrors) {
  TPopupMenu menu(nullptr);
  TPopupMenu other(nullptr);
  TMenuItem* a = AddItem(menu.Items(), "A");
  TMenuItem* b = AddItem(a, "B");
  EXPECT_THROW(other.Items()->Add(a), EMenuError);  // already has a parent
  menu.Items()->Remove(a);
  std::unique_ptr<TMenuItem> owned(a);
  EXPECT_THROW(b->Add(a), EMenuError);            // would contain itself
  EXPECT_THROW(a->Insert(5, new TMenuItem(&menu)), EMenuError);
  EXPECT_THROW(a->Items(1), EMenuError);
  EXPECT_THROW(a->Remove(a), EMenuError);
  EXPECT_THROW(a->Add(other.Items()), EMenuError);  // a menu's root
  EXPECT_EQ(a->Count(), 1);
}

TEST(MenuTree, RadioItemsOfOneGroupCheckExclusively) {
  TPopupMenu menu(nullptr);
  TMenuItem* items[4];
  const uint8_t groups[4] = {1, 1, 1, 2};
  for (int i = 0; i < 4; ++i) {
    items[i] = AddItem(menu.Items(), std::string("R") + std::to_string(i));
    items[i]->SetRadioItem(true);
    items[i]->SetGroupIndex(groups[i]);
  }
  items[0]->SetChecked(true);
  items[3]->SetChecked(true);
  items[1]->SetChecked(true);
  EXPECT_FALSE(items[0]->Checked());
  EXPECT_TRUE(items[1]->Checked());
  EXPECT_TRUE(items[3]->Checked());  // another group
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).State & MFS_CHECKED, 0u);
  EXPECT_EQ(ReadEntry(menu.Handle(), 1).State & MFS_CHECKED, static_cast<UINT>(MFS_CHECKED));
  EXPECT_TRUE(ReadEntry(menu.Handle(), 1).Type & MFT_RADIOCHECK);
}

TEST(MenuTree, OnlyOneDefaultItemPerSubMenu) {
  TPopupMenu menu(nullptr);
  TMenuItem* a = AddItem(menu.Items(), "A");
  TMenuItem* b = AddItem(menu.Items(), "B");
  a->SetDefault(true);
  b->SetDefault(true);
  EXPECT_FALSE(a->Default());
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).State & MFS_DEFAULT, 0u);
  EXPECT_EQ(ReadEntry(menu.Handle(), 1).State & MFS_DEFAULT, static_cast<UINT>(MFS_DEFAULT));
}

TEST(MenuTree, MenuBarShowsNoShortCutTextAndRightJustifies) {
  TMainMenu bar(nullptr);
  TMenuItem* help = AddItem(bar.Items(), "&Help");
  help->SetShortCut(TextToShortCut("F1"));
  help->SetRightJustify(true);
  TMenuItem* about = AddItem(help, "&About");
  about->SetShortCut(TextToShortCut("F1"));
  EXPECT_EQ(ReadEntry(bar.Handle(), 0).Text, L"&Help");
  EXPECT_TRUE(ReadEntry(bar.Handle(), 0).Type & MFT_RIGHTJUSTIFY);
  EXPECT_EQ(ReadEntry(help->Handle(), 0).Text, L"&About\tF1");
}

TEST(MenuTree, PicturesComeFromBitmapOrImageList) {
  TImageList images(16, 16);
  TBitmap strip(32, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) strip.SetPixel(x, y, x < 16 ? clRed : clBlue);
  images.AddMasked(strip, clBlue);  // image 1 is fully transparent

  TPopupMenu menu(nullptr);
  TMenuItem* item = AddItem(menu.Items(), "Item");
  item->SetImageIndex(0);
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).Bitmap, nullptr);  // no list yet
  menu.SetImages(&images);
  HBITMAP fromList = ReadEntry(menu.Handle(), 0).Bitmap;
  ASSERT_NE(fromList, nullptr);
  BITMAP info{};
  ASSERT_TRUE(GetObjectW(fromList, sizeof(info), &info));
  EXPECT_EQ(info.bmWidth, 16);
  EXPECT_EQ(info.bmBitsPixel, 32);
  auto* pixels = static_cast<const uint8_t*>(info.bmBits);
  EXPECT_EQ(pixels[2], 0xFF);  // red, opaque
  EXPECT_EQ(pixels[3], 0xFF);

  item->SetImageIndex(1);
  HBITMAP clear = ReadEntry(menu.Handle(), 0).Bitmap;
  ASSERT_TRUE(GetObjectW(clear, sizeof(info), &info));
  EXPECT_EQ(static_cast<const uint8_t*>(info.bmBits)[3], 0);  // the mask colour is transparent
  EXPECT_EQ(GetObjectType(fromList), 0u);                     // the previous picture is gone

  TBitmap own(8, 8);
  item->SetBitmap(&own);  // the item's own picture wins over the list
  ASSERT_TRUE(GetObjectW(ReadEntry(menu.Handle(), 0).Bitmap, sizeof(info), &info));
  EXPECT_EQ(info.bmWidth, 8);
  item->SetBitmap(nullptr);
  ASSERT_TRUE(GetObjectW(ReadEntry(menu.Handle(), 0).Bitmap, sizeof(info), &info));
  EXPECT_EQ(info.bmWidth, 16);

  TImageList small(10, 10);
  small.Add(TBitmap(10, 10));
  item->SetImageIndex(0);
  menu.Items()->SetSubMenuImages(&small);  // the parent's list wins over the menu's
  ASSERT_TRUE(GetObjectW(ReadEntry(menu.Handle(), 0).Bitmap, sizeof(info), &info));
  EXPECT_EQ(info.bmWidth, 10);
}
