// String grids: cells, fixed colour pixels, selection by clicks and keys, native scroll bars.
#include <gtest/gtest.h>

#include "ExtTestSupport.h"
#include "StringGrid.h"

namespace {
struct TGridFixture {
  std::unique_ptr<TForm> Form = MakeHostForm(400, 300);
  TStringGrid* Grid;
  TGridFixture() {
    Grid = new TStringGrid(Form.get());
    Grid->SetBounds(10, 10, 360, 200);  // five default columns fit, with a vertical bar too
    Grid->SetParent(Form.get());
    PumpMessages(10);
  }
  POINT CellCentre(int Col, int Row) const {
    const TRect r = Grid->CellRect(Col, Row);
    return POINT{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  bool BarShown(LONG Which) const {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    return GetScrollBarInfo(Grid->Handle(), Which, &info) && !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  }
};
}  // namespace

TEST(StringGrid, CellsHoldTextInsideTheGridOnly) {
  TGridFixture f;
  f.Grid->SetCells(2, 3, "Berlin");
  f.Grid->SetCells(0, 0, "Town");
  EXPECT_EQ(f.Grid->Cells(2, 3), "Berlin");
  EXPECT_EQ(f.Grid->Cells(0, 0), "Town");
  EXPECT_EQ(f.Grid->Cells(1, 1), "");
  EXPECT_THROW(f.Grid->Cells(5, 0), EInvalidGridOperation);
  EXPECT_THROW(f.Grid->SetCells(0, -1, "x"), EInvalidGridOperation);
  EXPECT_THROW(f.Grid->SetFixedRows(5), EInvalidGridOperation);
  EXPECT_THROW(f.Grid->SetCol(0), EInvalidGridOperation);  // a fixed column
  // Shrinking drops the text of the cells that go; growing does not bring it back.
  f.Grid->SetRowCount(3);
  EXPECT_EQ(f.Grid->Row(), 1);
  f.Grid->SetRowCount(5);
  EXPECT_EQ(f.Grid->Cells(2, 3), "");
  EXPECT_EQ(f.Grid->Cells(0, 0), "Town");
}

TEST(StringGrid, FixedCellsCurrentCellAndOthersHaveTheirColours) {
  TGridFixture f;
  SetFocus(f.Form->Handle());  // the focused cell of a focused grid is drawn unhighlighted
  f.Grid->SetFixedColor(clYellow);
  f.Grid->SetColor(clWhite);
  struct Case {
    int Col, Row;
    TColor Expected;
  };
  const Case cases[] = {
      {0, 0, clYellow}, {3, 0, clYellow}, {0, 2, clYellow},  // fixed
      {1, 1, Rgb(clHighlight)},                             // current, grid not focused
      {2, 2, clWhite},
  };
  for (const Case& c : cases) {
    const POINT p = f.CellCentre(c.Col, c.Row);
    EXPECT_EQ(PixelAt(*f.Grid, p.x, p.y), c.Expected) << c.Col << "," << c.Row;
  }
  // Lines between the cells, one pixel wide after each.
  const TRect cell = f.Grid->CellRect(2, 2);
  EXPECT_EQ(PixelAt(*f.Grid, cell.Right, cell.Top + 3), Rgb(clSilver));
  EXPECT_EQ(PixelAt(*f.Grid, cell.Right + 1, cell.Top + 3), clWhite);
  f.Grid->SetOptions(TGridOptions{});
  EXPECT_EQ(PixelAt(*f.Grid, cell.Right, cell.Top + 3), clWhite);
}

TEST(StringGrid, AClickOnACellMakesItCurrentUnlessRefused) {
  TGridFixture f;
  ClickAt(*f.Grid, f.CellCentre(3, 2).x, f.CellCentre(3, 2).y);
  EXPECT_EQ(f.Grid->Col(), 3);
  EXPECT_EQ(f.Grid->Row(), 2);
  EXPECT_TRUE(f.Grid->Focused());
  ClickAt(*f.Grid, f.CellCentre(0, 4).x, f.CellCentre(0, 4).y);  // fixed: nothing
  EXPECT_EQ(f.Grid->Col(), 3);
  EXPECT_EQ(f.Grid->Row(), 2);
  std::vector<std::pair<int, int>> asked;
  f.Grid->SetOnSelectCell([&asked](TObject*, int Col, int Row, bool& CanSelect) {
    asked.emplace_back(Col, Row);
    CanSelect = Col != 4;
  });
  ClickAt(*f.Grid, f.CellCentre(4, 4).x, f.CellCentre(4, 4).y);
  EXPECT_EQ(f.Grid->Col(), 3);
  ClickAt(*f.Grid, f.CellCentre(2, 4).x, f.CellCentre(2, 4).y);
  EXPECT_EQ(f.Grid->Col(), 2);
  EXPECT_EQ(f.Grid->Row(), 4);
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{4, 4}, {2, 4}}));
  EXPECT_EQ(f.Grid->MouseCoord(-1, 5), (TGridCoord{}));
}

TEST(StringGrid, KeysMoveTheCurrentCellAndScrollItIntoView) {
  TGridFixture f;
  f.Grid->SetRowCount(30);
  f.Grid->SetColCount(8);
  f.Grid->SetFocus();
  const int page = f.Grid->VisibleRowCount();
  struct Case {
    const char* Name;
    WORD Key;
    bool Ctrl;
    int Col, Row;
  };
  const Case cases[] = {
      {"down", VK_DOWN, false, 1, 2},       {"right", VK_RIGHT, false, 2, 2},
      {"end", VK_END, false, 7, 2},         {"home", VK_HOME, false, 1, 2},
      {"up", VK_UP, false, 1, 1},           {"up at the top", VK_UP, false, 1, 1},
      {"page down", VK_NEXT, false, 1, 1 + page}, {"ctrl end", VK_END, true, 7, 29},
      {"ctrl home", VK_HOME, true, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = c.Ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    SendKey(*f.Grid, c.Key);
    EXPECT_EQ(f.Grid->Col(), c.Col);
    EXPECT_EQ(f.Grid->Row(), c.Row);
    // Always wholly in view.
    EXPECT_GE(f.Grid->Row(), f.Grid->TopRow());
    EXPECT_LT(f.Grid->Row(), f.Grid->TopRow() + f.Grid->VisibleRowCount());
    EXPECT_GE(f.Grid->Col(), f.Grid->LeftCol());
    EXPECT_LT(f.Grid->Col(), f.Grid->LeftCol() + f.Grid->VisibleColCount());
  }
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

TEST(StringGrid, ScrollBarsShowWhenTheCellsDoNotFitAndScrollTheRows) {
  TGridFixture f;
  EXPECT_FALSE(f.BarShown(OBJID_VSCROLL));
  EXPECT_FALSE(f.BarShown(OBJID_HSCROLL));
  f.Grid->SetRowCount(20);
  EXPECT_TRUE(f.BarShown(OBJID_VSCROLL));
  EXPECT_FALSE(f.BarShown(OBJID_HSCROLL));
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(f.Grid->Handle(), SB_VERT, &info));
  EXPECT_EQ(info.nMin, 1);
  EXPECT_EQ(info.nMax, 19);
  EXPECT_EQ(info.nMax - static_cast<int>(info.nPage) + 1, f.Grid->MaxTopRow());
  f.Grid->SetCells(1, 5, "five");

  SendMessageW(f.Grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(f.Grid->TopRow(), 2);
  EXPECT_EQ(GetScrollPos(f.Grid->Handle(), SB_VERT), 2);
  // The fixed row stays; row 2 is drawn right under it.
  EXPECT_EQ(f.Grid->CellRect(1, 2).Top, 25);
  EXPECT_TRUE(f.Grid->CellRect(1, 1).IsEmpty());
  SendMessageW(f.Grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(f.Grid->TopRow(), f.Grid->MaxTopRow());
  EXPECT_LE(f.Grid->CellRect(1, 19).Bottom, f.Grid->ClientHeight());
  SendMessageW(f.Grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 4), 0);
  EXPECT_EQ(f.Grid->TopRow(), 4);
  const POINT five{f.Grid->CellRect(1, 5).Left + 30, f.Grid->CellRect(1, 5).Top + 5};
  EXPECT_EQ(f.Grid->MouseCoord(five.x, five.y), (TGridCoord{1, 5}));

  f.Grid->SetColCount(12);
  EXPECT_TRUE(f.BarShown(OBJID_HSCROLL));
  SendMessageW(f.Grid->Handle(), WM_HSCROLL, SB_PAGEDOWN, 0);
  EXPECT_GT(f.Grid->LeftCol(), 1);
  EXPECT_EQ(GetScrollPos(f.Grid->Handle(), SB_HORZ), f.Grid->LeftCol());
  f.Grid->SetScrollBars(ssNone);
  EXPECT_FALSE(f.BarShown(OBJID_VSCROLL));
  EXPECT_FALSE(f.BarShown(OBJID_HSCROLL));
}
