#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <vector>

#include "ControlTestSupport.h"
#include "Edit.h"
#include "UpDown.h"

namespace {

struct TUpDownFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm();
  TUpDown* Make(TUDOrientation Orientation) {
    auto* updown = new TUpDown(Form.get());
    updown->SetParent(Form.get());
    updown->SetOrientation(Orientation);
    if (Orientation == udVertical) updown->SetBounds(10, 10, 17, 40);
    else updown->SetBounds(10, 10, 40, 17);
    updown->SetMax(10);
    return updown;
  }
  static void Press(TUpDown* UpDown, int X, int Y) {
    SendMessageW(UpDown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
    SendMessageW(UpDown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
  }
};

}  // namespace

TEST_F(TUpDownFixture, ArrowClicksMovePositionAndReportTheArrow) {
  struct TCase {
    TUDOrientation Orientation;
    POINT Next, Prev;  // where the arrow towards Max and the one towards Min are
  };
  const TCase cases[] = {{udVertical, {8, 5}, {8, 35}}, {udHorizontal, {35, 8}, {5, 8}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Orientation);
    TUpDown* updown = Make(c.Orientation);
    EXPECT_EQ((WindowStyle(updown->Handle()) & UDS_HORZ) != 0, c.Orientation == udHorizontal);
    std::vector<TUDBtnType> clicks;
    updown->SetOnClick([&](TObject*, TUDBtnType Button) { clicks.push_back(Button); });
    Press(updown, c.Next.x, c.Next.y);
    Press(updown, c.Next.x, c.Next.y);
    EXPECT_EQ(updown->Position(), 2);
    Press(updown, c.Prev.x, c.Prev.y);
    EXPECT_EQ(updown->Position(), 1);
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btNext, btNext, btPrev}));
    updown->SetOnChanging([](TObject*, bool& Allow) { Allow = false; });
    Press(updown, c.Next.x, c.Next.y);
    EXPECT_EQ(updown->Position(), 1) << "OnChanging refused";
    EXPECT_EQ(clicks.size(), 3u);
    delete updown;
  }
}

TEST_F(TUpDownFixture, PositionStaysInRangeAndSurvivesANewWindow) {
  TUpDown* updown = Make(udVertical);
  updown->SetPosition(42);
  EXPECT_EQ(updown->Position(), 10);
  updown->SetMin(3);
  updown->SetPosition(0);
  EXPECT_EQ(updown->Position(), 3);
  EXPECT_EQ(SendMessageW(updown->Handle(), UDM_GETPOS32, 0, 0), 3);
  updown->SetWrap(true);  // a new window
  EXPECT_TRUE(WindowStyle(updown->Handle()) & UDS_WRAP);
  EXPECT_EQ(updown->Position(), 3);
  int low = 0, high = 0;
  SendMessageW(updown->Handle(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 3);
  EXPECT_EQ(high, 10);
}

TEST_F(TUpDownFixture, AssociateShowsThePositionAndTakesThePlaceBesideIt) {
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  edit->SetBounds(100, 100, 80, 21);
  TUpDown* updown = Make(udVertical);
  updown->SetPosition(4);
  updown->SetAssociate(edit);
  EXPECT_EQ(edit->Text(), "4");
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(updown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
  const RECT arrows = RectInParent(updown->Handle(), Form->Handle());
  const RECT field = RectInParent(edit->Handle(), Form->Handle());
  EXPECT_EQ(arrows.top, field.top);
  EXPECT_LE(std::abs(arrows.left - field.right), 2) << "beside the edit";
  Press(updown, 8, 3);
  EXPECT_EQ(edit->Text(), "5");
  delete edit;
  EXPECT_EQ(updown->Associate(), nullptr);
  EXPECT_EQ(SendMessageW(updown->Handle(), UDM_GETBUDDY, 0, 0), 0);
}
