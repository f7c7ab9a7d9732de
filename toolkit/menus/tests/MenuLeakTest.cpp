// Building and freeing menus gives every native handle back.
#include <gtest/gtest.h>

#include <vector>

#include "Action.h"
#include "CommandWindow.h"
#include "GdiObjectCount.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "TBitmap.h"
#include "TImageList.h"

namespace {

// A menu bar of three menus with pictures, sub-menus, actions and hidden items; returns every
// HMENU it made.
std::vector<HMENU> BuildAndFree(HWND Window, TImageList& Images, int Round) {
  std::vector<HMENU> handles;
  TComponent form(nullptr);
  auto* bar = new TMainMenu(&form);
  bar->SetImages(&Images);
  auto* action = new TAction(&form);
  action->SetCaption("Action");
  TBitmap picture(12, 12);
  for (int m = 0; m < 3; ++m) {
    auto* top = new TMenuItem(&form);
    top->SetCaption("Menu");
    bar->Items()->Add(top);
    for (int i = 0; i < 6; ++i) {
      auto* item = new TMenuItem(i % 2 ? &form : nullptr);  // owned by the form or by the tree
      item->SetCaption(i == 3 ? "-" : "Item");
      item->SetImageIndex(i % 3);
      if (i == 1) item->SetBitmap(&picture);
      if (i == 2) item->SetAction(action);
      if (i == 4) item->SetVisible(false);
      top->Add(item);
      if (i == 5) {
        auto* sub = new TMenuItem(nullptr);
        sub->SetImageIndex(0);
        item->Add(sub);
        handles.push_back(item->Handle());
      }
    }
    handles.push_back(top->Handle());
  }
  handles.push_back(bar->Handle());
  bar->SetWindowHandle(Window);
  bar->Items()->Items(Round % 3)->SetImageIndex(1);  // a picture swapped while shown
  if (Round % 2) bar->Items()->Delete(0);            // freed from the tree rather than by the form
  return handles;
}

}  // namespace

TEST(MenuLeaks, BuildingAndFreeingMenusGivesEveryHandleBack) {
  CommandWindow window;
  TImageList images(16, 16);
  images.Add(TBitmap(48, 16));
  for (int round = 0; round < 3; ++round) BuildAndFree(window.Handle(), images, round);  // warm-up
  const size_t baseline = CountGdiObjects();
  for (int round = 0; round < 50; ++round) {
    const std::vector<HMENU> handles = BuildAndFree(window.Handle(), images, round);
    for (HMENU handle : handles) EXPECT_FALSE(IsMenu(handle)) << "round " << round;
    EXPECT_EQ(GetMenu(window.Handle()), nullptr);
    if (HasFailure()) break;
  }
  EXPECT_EQ(CountGdiObjects(), baseline);
}

TEST(MenuLeaks, PopupMenusLeaveNothingBehind) {
  const size_t baseline = [] {
    TPopupMenu warm(nullptr);
    return CountGdiObjects();
  }();
  for (int round = 0; round < 50; ++round) {
    TPopupMenu menu(nullptr);
    TBitmap picture(16, 16);
    for (int i = 0; i < 10; ++i) {
      auto* item = new TMenuItem(&menu);
      item->SetBitmap(&picture);
      menu.Items()->Add(item);
    }
    menu.Items()->Items(0)->SetBitmap(nullptr);
  }
  EXPECT_EQ(CountGdiObjects(), baseline);
}
