#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ControlTestSupport.h"
#include "StatusBar.h"

namespace {

struct TStatusFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm(400, 300);
  TStatusBar* Bar = nullptr;
  void SetUp() override {
    Bar = new TStatusBar(Form.get());
    Bar->SetParent(Form.get());
  }
  std::wstring PartText(int Index) {
    wchar_t text[128] = {};
    SendMessageW(Bar->Handle(), SB_GETTEXTW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  COLORREF Background() {
    PumpMessages(20);
    return ClientPixel(Bar->Handle(), Bar->ClientWidth() / 2, Bar->ClientHeight() / 2);
  }
};

}  // namespace

TEST_F(TStatusFixture, SitsAtTheBottomOfItsForm) {
  EXPECT_EQ(Bar->Align(), alBottom);
  const TRect client = Form->ClientRect();
  RECT r = RectInParent(Bar->Handle(), Form->Handle());
  EXPECT_EQ(r.bottom, client.Bottom);
  EXPECT_EQ(r.right - r.left, client.Width());
  Form->SetBounds(Form->Left(), Form->Top(), 500, 350);
  r = RectInParent(Bar->Handle(), Form->Handle());
  EXPECT_EQ(r.bottom, Form->ClientHeight());
  EXPECT_EQ(r.right - r.left, Form->ClientWidth());
}

TEST_F(TStatusFixture, SimpleTextIsShown) {
  Bar->SetSimpleText("Vexa Demo Application");
  EXPECT_TRUE(SendMessageW(Bar->Handle(), SB_ISSIMPLE, 0, 0));
  EXPECT_EQ(PartText(0), L"Vexa Demo Application");
  Bar->SetSizeGrip(false);  // a new window keeps the text
  EXPECT_FALSE(WindowStyle(Bar->Handle()) & SBARS_SIZEGRIP);
  EXPECT_EQ(PartText(0), L"Vexa Demo Application");
  Bar->SetSizeGrip(true);
  EXPECT_TRUE(WindowStyle(Bar->Handle()) & SBARS_SIZEGRIP);
}

TEST_F(TStatusFixture, ColorIsTheBackgroundSetWithCcmSetBkColor) {
  TSubclassProbe probe(*Bar);
  Bar->SetColor(RGB(200, 0, 0));
  EXPECT_EQ(probe.Count(CCM_SETBKCOLOR), 1);
  EXPECT_EQ(Background(), RGB(200, 0, 0));
  // Someone else (a skinner) sets it the same way and gets the control's colour back.
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(Bar->Handle(), CCM_SETBKCOLOR, 0, RGB(0, 0, 200))), RGB(200, 0, 0));
  InvalidateRect(Bar->Handle(), nullptr, TRUE);
  EXPECT_EQ(Background(), RGB(0, 0, 200));
  Bar->SetColor(clBtnFace);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(Bar->Handle(), CCM_SETBKCOLOR, 0, CLR_DEFAULT)), CLR_DEFAULT);
}

TEST_F(TStatusFixture, PanelsBecomeParts) {
  Bar->SetSimplePanel(false);
  TStatusPanel* first = Bar->Panels()->Add();
  first->SetText("Ready");
  first->SetWidth(120);
  Bar->Panels()->Add()->SetText("Second");
  EXPECT_FALSE(SendMessageW(Bar->Handle(), SB_ISSIMPLE, 0, 0));
  int edges[4] = {};
  ASSERT_EQ(SendMessageW(Bar->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 120);
  EXPECT_EQ(edges[1], -1);
  EXPECT_EQ(PartText(0), L"Ready");
  EXPECT_EQ(PartText(1), L"Second");
  first->SetWidth(80);
  SendMessageW(Bar->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[0], 80);
  Bar->Panels()->Delete(0);
  EXPECT_EQ(SendMessageW(Bar->Handle(), SB_GETPARTS, 0, 0), 1);
  EXPECT_EQ(PartText(0), L"Second");
}

TEST_F(TStatusFixture, CanvasDrawsOnTheBar) {
  PumpMessages(20);
  TCanvas& canvas = Bar->Canvas();
  canvas.Brush().SetColor(RGB(0, 160, 0));
  canvas.FillRect(TRect{2, 2, 12, 12});
  EXPECT_EQ(ClientPixel(Bar->Handle(), 6, 6), RGB(0, 160, 0));
  // The bar's next paint is its own again.
  RedrawWindow(Bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_NE(ClientPixel(Bar->Handle(), 6, 6), RGB(0, 160, 0));
  Bar->Canvas().Brush().SetColor(RGB(0, 0, 160));
  Bar->Canvas().FillRect(TRect{2, 2, 12, 12});
  EXPECT_EQ(ClientPixel(Bar->Handle(), 6, 6), RGB(0, 0, 160));
}
