// Functions bound at run time, window text, version tests and screen geometry.
#include <gtest/gtest.h>

#include "NativeQueries.h"
#include "OsVersion.h"
#include "ScreenGeometry.h"
#include "TestWindow.h"

namespace {

TEST(NativeQueries, SharedBindingsAnswerLikeTheSystem) {
  TestWindow window(10, 10, 200, 100, WS_OVERLAPPEDWINDOW | WS_VSCROLL);
  HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 5, 5, 100, 120,
                               window.Handle(), nullptr, nullptr, nullptr);
  EXPECT_EQ(SkinGetAncestor(combo, GA_ROOT), window.Handle());
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  EXPECT_TRUE(SkinGetScrollBarInfo(window.Handle(), OBJID_VSCROLL, &bar));
  EXPECT_GT(bar.rcScrollBar.bottom, bar.rcScrollBar.top);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(SkinGetComboBoxInfo(combo, &info));
  EXPECT_NE(info.hwndItem, nullptr);
  EXPECT_FALSE(TUser32Bindings::Shared().BindingFailed());
}

TEST(NativeQueries, OneFailedLookupTurnsAllThreeOff) {
  TestWindow window(10, 10, 200, 100, WS_OVERLAPPEDWINDOW | WS_VSCROLL);
  TUser32Bindings bindings(L"User32.dll", "GetScrollBarInfo", "GetComboBoxInfo", "NoSuchGetAncestor");
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  EXPECT_TRUE(bindings.GetScrollBarInfo(window.Handle(), OBJID_VSCROLL, &bar)) << "bound and working";
  EXPECT_EQ(bindings.GetAncestor(window.Handle(), GA_ROOT), nullptr);
  EXPECT_TRUE(bindings.BindingFailed());
  EXPECT_FALSE(bindings.GetScrollBarInfo(window.Handle(), OBJID_VSCROLL, &bar)) << "already bound, still off";
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  EXPECT_FALSE(bindings.GetComboBoxInfo(window.Handle(), &info));
}

TEST(NativeQueries, WindowTextIsWide) {
  TestWindow window(10, 10, 200, 100);
  SetWindowTextW(window.Handle(), L"Gr\u00FC\u00DFe \u4E16\u754C");
  EXPECT_EQ(SkinGetWindowText(window.Handle()), L"Gr\u00FC\u00DFe \u4E16\u754C");
  SetWindowTextW(window.Handle(), L"");
  EXPECT_EQ(SkinGetWindowText(window.Handle()), L"");

  // A missing export gives empty text but does not switch the other functions off.
  TUser32Bindings bindings(L"User32.dll", "GetScrollBarInfo", "GetComboBoxInfo", "GetAncestor", "NoSuchText");
  SetWindowTextW(window.Handle(), L"x");
  EXPECT_EQ(bindings.GetWindowText(window.Handle()), L"");
  EXPECT_FALSE(bindings.BindingFailed());
  EXPECT_EQ(bindings.GetAncestor(window.Handle(), GA_ROOT), window.Handle());
}

TEST(OsVersion, FamilyTests) {
  EXPECT_TRUE(IsWinNT());
  EXPECT_FALSE(IsWin95());
  EXPECT_FALSE(IsWinXP() && IsWinVista()) << "minor 0 and minor not 0 at once";
}

TEST(ScreenGeometry, PointInRectCountsEveryEdge) {
  const TRect r{0, 0, 10, 10};
  const struct {
    int x, y;
    bool inside;
  } cases[] = {{10, 10, true}, {0, 0, true}, {5, 10, true}, {11, 5, false}, {-1, 0, false}, {5, 11, false}};
  for (const auto& c : cases) EXPECT_EQ(PointInRect(c.x, c.y, r), c.inside) << c.x << "," << c.y;
  EXPECT_TRUE(PointInRect(TPoint{10, 0}, r));
}

TEST(ScreenGeometry, WorkAreaEndsOneRowUp) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  TRect r;
  GetWorkAreaRect(r);
  EXPECT_EQ(r.Left, area.left);
  EXPECT_EQ(r.Bottom, area.bottom - 1);
}

}  // namespace
