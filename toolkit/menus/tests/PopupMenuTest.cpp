// Popup menus in the system's real menu loop, closed or driven from a timer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandWindow.h"
#include "MenuItem.h"
#include "MenuProbe.h"
#include "ModalTimer.h"
#include "PopupMenu.h"

namespace {


// A popup menu with two items whose events and clicks are written to Log.
struct LoggedPopup {
  explicit LoggedPopup(std::vector<std::string>& Log) {
    first = AddItem(menu.Items(), "&First");
    second = AddItem(menu.Items(), "&Second");
    first->SetOnClick([&Log](TObject*) { Log.push_back("click First"); });
    second->SetOnClick([&Log](TObject*) { Log.push_back("click Second"); });
    menu.SetOnPopup([&Log, this](TObject* sender) {
      EXPECT_EQ(sender, &menu);
      Log.push_back("popup");
    });
    menu.SetOnClose([&Log](TObject*) { Log.push_back("close"); });
  }
  TPopupMenu menu{nullptr};
  TMenuItem* first;
  TMenuItem* second;
};

}  // namespace

TEST(PopupMenu, CancelledFromATimerRunsPopupAndCloseOnly) {
  CommandWindow window;
  std::vector<std::string> log;
  LoggedPopup popup(log);
  popup.menu.SetWindowHandle(window.Handle());
  ModalTimer closer(100, [&] {
    log.push_back(FindOpenMenuWindow() ? "menu open" : "no menu");
    EndMenu();
  });
  popup.menu.Popup(300, 200);
  EXPECT_TRUE(closer.Fired());
  EXPECT_EQ(log, (std::vector<std::string>{"popup", "menu open", "close"}));
  EXPECT_EQ(popup.menu.PopupPoint().x, 300);
  EXPECT_EQ(popup.menu.PopupPoint().y, 200);
  EXPECT_TRUE(window.Dispatched().empty());  // the menu returns its choice; nothing is posted
}

TEST(PopupMenu, ChosenItemIsClickedAfterClose) {
  std::vector<std::string> log;
  LoggedPopup popup(log);
  // No owner window given and none active: the menu makes a hidden one for its loop.
  ModalTimer chooser(100, [&] {
    HWND menu = FindOpenMenuWindow();
    ASSERT_NE(menu, nullptr);
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(menu, WM_KEYDOWN, key, 0);
  });
  popup.menu.Popup(300, 200);
  EXPECT_TRUE(chooser.Fired());
  EXPECT_EQ(log, (std::vector<std::string>{"popup", "close", "click Second"}));
}

TEST(PopupMenu, ItemFreedByOnCloseIsNotClicked) {
  std::vector<std::string> log;
  LoggedPopup popup(log);
  popup.menu.SetOnClose([&](TObject*) { popup.menu.Items()->Delete(0); });
  ModalTimer chooser(100, [&] {
    for (WPARAM key : {VK_DOWN, VK_RETURN}) PostMessageW(FindOpenMenuWindow(), WM_KEYDOWN, key, 0);
  });
  popup.menu.Popup(300, 200);
  EXPECT_EQ(log, (std::vector<std::string>{"popup"}));
  EXPECT_EQ(popup.menu.Items()->Count(), 1);
}

TEST(PopupMenu, TrackFlagsFollowAlignmentReadingOrderAndButton) {
  struct Case {
    TBiDiMode Mode;
    TPopupAlignment Alignment;
    TTrackButton Button;
    UINT Expected;
  };
  const Case cases[] = {
      {bdLeftToRight, paLeft, tbRightButton, TPM_LEFTALIGN | TPM_RIGHTBUTTON},
      {bdLeftToRight, paRight, tbLeftButton, TPM_RIGHTALIGN | TPM_LEFTBUTTON},
      {bdLeftToRight, paCenter, tbRightButton, TPM_CENTERALIGN | TPM_RIGHTBUTTON},
      // The system mirrors the alignment of a mirrored popup: paLeft opens to the left.
      {bdRightToLeft, paLeft, tbRightButton, TPM_LEFTALIGN | TPM_LAYOUTRTL | TPM_RIGHTBUTTON},
      {bdRightToLeft, paRight, tbRightButton, TPM_RIGHTALIGN | TPM_LAYOUTRTL | TPM_RIGHTBUTTON},
      {bdRightToLeft, paCenter, tbRightButton, TPM_CENTERALIGN | TPM_LAYOUTRTL | TPM_RIGHTBUTTON},
      // Right-to-left reading without mirrored alignment keeps the layout.
      {bdRightToLeftNoAlign, paLeft, tbRightButton, TPM_LEFTALIGN | TPM_RIGHTBUTTON},
      {bdRightToLeftReadingOnly, paLeft, tbRightButton, TPM_LEFTALIGN | TPM_RIGHTBUTTON},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.Mode << " alignment " << c.Alignment << " button " << c.Button);
    TPopupMenu menu(nullptr);
    menu.SetBiDiMode(c.Mode);
    menu.SetAlignment(c.Alignment);
    menu.SetTrackButton(c.Button);
    EXPECT_EQ(menu.TrackFlags(), c.Expected | TPM_RETURNCMD);
  }
}

TEST(PopupMenu, RightToLeftMenuOpensMirroredLeftOfThePoint) {
  struct Case {
    TBiDiMode Mode;
    bool RightEdgeAtPoint;
    bool Mirrored;
  };
  const Case cases[] = {{bdLeftToRight, false, false}, {bdRightToLeft, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Mode);
    CommandWindow window;
    TPopupMenu menu(nullptr);
    AddItem(menu.Items(), "Item with a long caption");
    menu.SetBiDiMode(c.Mode);
    menu.SetWindowHandle(window.Handle());
    RECT seen{};
    LONG_PTR exStyle = 0;
    ModalTimer closer(100, [&] {
      HWND open = FindOpenMenuWindow();
      ASSERT_NE(open, nullptr);
      GetWindowRect(open, &seen);
      exStyle = GetWindowLongPtrW(open, GWL_EXSTYLE);
      EndMenu();
    });
    menu.Popup(600, 300);
    ASSERT_TRUE(closer.Fired());
    EXPECT_GT(seen.right - seen.left, 100);  // the caption was measured
    EXPECT_EQ(seen.top, 300);
    if (c.RightEdgeAtPoint)
      EXPECT_EQ(seen.right, 600);
    else
      EXPECT_EQ(seen.left, 600);
    EXPECT_EQ((exStyle & WS_EX_LAYOUTRTL) != 0, c.Mirrored);
  }
}

TEST(PopupMenu, ForgetsAFreedPopupComponent) {
  TComponent formA(nullptr), formB(nullptr);
  TPopupMenu menu(&formA);
  auto* control = new TComponent(&formB);
  menu.SetPopupComponent(control);
  EXPECT_EQ(menu.PopupComponent(), control);
  delete control;
  EXPECT_EQ(menu.PopupComponent(), nullptr);

  auto* sibling = new TComponent(&formA);  // same owner: the owner passes the news on
  menu.SetPopupComponent(sibling);
  delete sibling;
  EXPECT_EQ(menu.PopupComponent(), nullptr);
}
