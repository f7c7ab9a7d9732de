#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "ControlTestSupport.h"
#include "ListView.h"
#include "PropertyApi.h"
#include "TImageList.h"

namespace {

struct TListViewFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm();
  TListView* View = nullptr;
  void SetUp() override {
    View = new TListView(Form.get());
    View->SetParent(Form.get());
    View->SetBounds(10, 10, 250, 200);
    View->SetViewStyle(vsReport);
    View->SetRowSelect(true);
    for (const char* caption : {"Col1", "Col2", "Col3"}) View->Columns()->Add()->SetCaption(caption);
    for (int i = 1; i <= 15; ++i) {
      TListItem* item = View->Items()->Add();
      item->SetCaption("Item" + std::to_string(i));
      if (i == 2) item->SubItems()->Add("Item2");
      if (i <= 4) item->SubItems()->Add("Item" + std::to_string(i));
    }
  }
  std::wstring CellText(int Item, int Column) {
    wchar_t text[64] = {};
    LVITEMW info{};
    info.iSubItem = Column;
    info.pszText = text;
    info.cchTextMax = 64;
    SendMessageW(View->Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(Item), reinterpret_cast<LPARAM>(&info));
    return text;
  }
  void ClickItem(int Index) {
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageW(View->Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r));
    ClickAt(View->Handle(), r.left + 4, (r.top + r.bottom) / 2);
  }
};

}  // namespace

TEST_F(TListViewFixture, HeaderComesBackFromLvmGetHeaderWithTheColumns) {
  EXPECT_EQ(WindowStyle(View->Handle()) & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
  const auto header = reinterpret_cast<HWND>(SendMessageW(View->Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header, View->HeaderHandle());
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
  RECT r{};
  ASSERT_TRUE(SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)));
  EXPECT_EQ(r.right - r.left, 50);
  View->Columns()->Add()->SetCaption("Col4");
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 4);
  View->Columns()->Items(1)->SetWidth(90);
  SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.right - r.left, 90);
  View->Columns()->Delete(3);
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(CellText(1, 2), L"Item2") << "sub-items stay with their columns";
}

TEST_F(TListViewFixture, ItemsAndSubItemsAreInTheWindow) {
  EXPECT_EQ(SendMessageW(View->Handle(), LVM_GETITEMCOUNT, 0, 0), 15);
  EXPECT_EQ(CellText(0, 0), L"Item1");
  EXPECT_EQ(CellText(0, 1), L"Item1");
  EXPECT_EQ(CellText(1, 2), L"Item2");
  EXPECT_EQ(CellText(4, 1), L"");
  View->Items()->Item(4)->SubItems()->Add("late");
  EXPECT_EQ(CellText(4, 1), L"late");
  View->Items()->Item(0)->SetCaption("First");
  EXPECT_EQ(CellText(0, 0), L"First");
  View->Items()->Delete(0);
  EXPECT_EQ(SendMessageW(View->Handle(), LVM_GETITEMCOUNT, 0, 0), 14);
  EXPECT_EQ(CellText(0, 0), L"Item2");
  View->Items()->Clear();
  EXPECT_EQ(SendMessageW(View->Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(TListViewFixture, SelectionByClickAndByCodeRunsOnSelectItem) {
  EXPECT_TRUE(SendMessageW(View->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
  std::vector<std::pair<int, bool>> events;
  View->SetOnSelectItem([&](TObject*, TListItem* Item, bool Selected) { events.emplace_back(Item->Index(), Selected); });
  ClickItem(2);
  EXPECT_EQ(View->ItemIndex(), 2);
  EXPECT_EQ(View->Selected(), View->Items()->Item(2));
  EXPECT_EQ(events, (std::vector<std::pair<int, bool>>{{2, true}}));
  events.clear();
  View->Items()->Item(5)->SetSelected(true);
  EXPECT_FALSE(View->Items()->Item(2)->Selected()) << "one selection at a time";
  EXPECT_TRUE(SendMessageW(View->Handle(), LVM_GETITEMSTATE, 5, LVIS_SELECTED) & LVIS_SELECTED);
  EXPECT_EQ(events, (std::vector<std::pair<int, bool>>{{2, false}, {5, true}}));
}

TEST_F(TListViewFixture, ViewStylesAndExtendedStyles) {
  struct TCase {
    TViewStyle Style;
    DWORD WindowType;
  };
  const TCase cases[] = {{vsIcon, LVS_ICON}, {vsSmallIcon, LVS_SMALLICON}, {vsList, LVS_LIST}, {vsReport, LVS_REPORT}};
  for (const TCase& c : cases) {
    View->SetViewStyle(c.Style);
    EXPECT_EQ(WindowStyle(View->Handle()) & LVS_TYPEMASK, c.WindowType) << c.Style;
    EXPECT_EQ(SendMessageW(View->Handle(), LVM_GETITEMCOUNT, 0, 0), 15);
  }
  View->SetGridLines(true);
  View->SetRowSelect(false);
  const LRESULT extended = SendMessageW(View->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
  EXPECT_FALSE(extended & LVS_EX_FULLROWSELECT);
  for (const char* name : {"Columns", "ViewStyle", "RowSelect", "GridLines", "BorderStyle", "Color"})
    EXPECT_TRUE(HasPublishedProperty(View, name)) << name;
}

TEST_F(TListViewFixture, ImagesAreLentNotGiven) {
  TImageList small(16, 16);
  TBitmap picture(48, 16);
  picture.Canvas().Brush().SetColor(clBlue);
  picture.Canvas().FillRect(TRect{0, 0, 48, 16});
  small.Add(picture);
  View->SetSmallImages(&small);
  View->Items()->Item(0)->SetImageIndex(2);
  EXPECT_TRUE(WindowStyle(View->Handle()) & LVS_SHAREIMAGELISTS);
  const auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(View->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(list), 3);
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = 0;
  SendMessageW(View->Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, 2);
  EXPECT_EQ(SendMessageW(View->Handle(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0), 0);
}

TEST_F(TListViewFixture, ANewWindowKeepsColumnsItemsAndSelection) {
  View->Items()->Item(3)->SetSelected(true);
  // The user (or anyone) widens a column through the window.
  SendMessageW(View->Handle(), LVM_SETCOLUMNWIDTH, 0, 77);
  EXPECT_EQ(View->Columns()->Items(0)->Width(), 77);
  const HWND old = View->Handle();
  View->SetBorderStyle(TBorderStyle::bsNone);
  ASSERT_NE(View->Handle(), old);
  EXPECT_FALSE(WindowExStyle(View->Handle()) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(SendMessageW(View->Handle(), LVM_GETCOLUMNWIDTH, 0, 0), 77);
  EXPECT_EQ(SendMessageW(View->Handle(), LVM_GETITEMCOUNT, 0, 0), 15);
  EXPECT_EQ(CellText(1, 2), L"Item2");
  EXPECT_EQ(View->ItemIndex(), 3);
  const auto header = reinterpret_cast<HWND>(SendMessageW(View->Handle(), LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
}
