// Window regions from the transparent pixels of title and bottom pictures.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GdiObjectCount.h"
#include "TestWindow.h"
#include "WindowRegion.h"

namespace {

constexpr TColor kTrans = 0xFF00FF, kOpaque = 0x804020;

// A picture whose rows follow the given patterns ('#' opaque, '.' transparent); missing rows are opaque.
std::unique_ptr<TBitmap> Picture(int width, int height, const std::vector<std::string>& rows) {
  auto b = std::make_unique<TBitmap>(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b->SetPixel(x, y, y < int(rows.size()) && rows[y][x] == '.' ? kTrans : kOpaque);
  return b;
}

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Text(const std::vector<RECT>& rects) {
  std::string s;
  for (const RECT& r : rects)
    s += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
  return s;
}

struct RowCase {
  const char* name;
  const char* row;
  const char* rects;  // of the scanned row at y = 0
};

class RegionRowScan : public ::testing::TestWithParam<RowCase> {};

TEST_P(RegionRowScan, RunsOfOpaquePixels) {
  const std::string row = GetParam().row;
  auto title = Picture(int(row.size()), 1, {row});
  auto rects = SkinWindowRegionRects(title.get(), nullptr, true, false, -1, -1, -1, -1, kTrans, 10, int(row.size()));
  // The scanned row, then the middle of the window.
  EXPECT_EQ(Text(rects), std::string(GetParam().rects) + "(0,1," + std::to_string(row.size()) + ",10)");
}

INSTANTIATE_TEST_SUITE_P(Rows, RegionRowScan,
                         ::testing::Values(RowCase{"TwoRuns", "##.#", "(0,0,2,1)(3,0,4,1)"},
                                           RowCase{"LastColumnAlone", "..#", "(2,0,3,1)"},
                                           RowCase{"AllTransparent", "....", ""},
                                           RowCase{"AllOpaque", "####", "(0,0,4,1)"},
                                           RowCase{"FirstColumnAlone", "#...", "(0,0,1,1)"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowRegion, WithoutTitleTheMiddleStartsAtTheTop) {
  auto bottom = Picture(4, 2, {".##.", "####"});
  auto rects = SkinWindowRegionRects(nullptr, bottom.get(), false, true, -1, -1, -1, -1, kTrans, 20, 4);
  EXPECT_EQ(Text(rects), "(0,0,4,18)(1,18,3,19)(0,19,4,20)");
}

TEST(WindowRegion, RowLimitsAddWholeBands) {
  // Rows 0-42 of a 50-row title are scanned; rows 43-49 are added whole.
  std::vector<std::string> rows(50, std::string(4, '#'));
  rows[42] = "#..#";
  rows[45] = "....";  // outside the scanned rows: does not matter
  auto title = Picture(4, 50, rows);
  auto rects = SkinWindowRegionRects(title.get(), nullptr, true, false, 0, 42, -1, -1, kTrans, 60, 8);
  ASSERT_EQ(rects.size(), 43u + 1 + 1 + 1);
  EXPECT_EQ(Text({rects[42], rects[43]}), "(0,42,1,43)(3,42,4,43)");
  EXPECT_EQ(Text({rects[44], rects[45]}), "(0,43,8,50)(0,50,8,60)");

  // A minimum above the first row adds the rows above it as one band.
  auto top = SkinWindowRegionRects(title.get(), nullptr, true, false, 40, 42, -1, -1, kTrans, 60, 8);
  EXPECT_EQ(Text({top[0], top[1]}), "(0,0,8,40)(0,40,4,41)");
}

TEST(WindowRegion, BottomLimitsAreOffsetToTheWindowBottom) {
  auto bottom = Picture(6, 4, {"######", "#....#", "######", "##..##"});
  auto rects = SkinWindowRegionRects(nullptr, bottom.get(), false, true, -1, -1, 1, 2, kTrans, 30, 6);
  EXPECT_EQ(Text(rects), "(0,0,6,26)(0,26,6,27)(0,27,1,28)(5,27,6,28)(0,28,6,29)(0,29,6,30)");
  // A maximum not above the minimum scans to the picture's last row.
  rects = SkinWindowRegionRects(nullptr, bottom.get(), false, true, -1, -1, 1, 1, kTrans, 30, 6);
  EXPECT_EQ(Text(rects), "(0,0,6,26)(0,26,6,27)(0,27,1,28)(5,27,6,28)(0,28,6,29)(0,29,2,30)(4,29,6,30)");
}

bool SameRegion(HRGN a, HRGN b) {
  // EqualRgn is unreliable on some systems; an empty XOR is not.
  HRGN x = CreateRectRgn(0, 0, 0, 0);
  int kind = CombineRgn(x, a, b, RGN_XOR);
  DeleteObject(x);
  return kind == NULLREGION;
}

TEST(WindowRegion, IsSetOnTheWindowWithoutLeaks) {
  TestWindow window(40, 40, 120, 80);
  auto title = Picture(120, 3, {"..." + std::string(114, '#') + "...", "." + std::string(118, '#') + ".", std::string(120, '#')});
  const size_t before = CountGdiObjects();
  for (int i = 0; i < 30; ++i)
    SetSkinWindowRegion(window.Handle(), title.get(), nullptr, true, false, -1, -1, -1, -1, kTrans, 80, 120);
  EXPECT_LE(CountGdiObjects(), before + 1) << "regions handed to the window must not pile up";

  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window.Handle(), actual), ERROR);
  HRGN expected = CreateRegionFromRects(
      SkinWindowRegionRects(title.get(), nullptr, true, false, -1, -1, -1, -1, kTrans, 80, 120));
  HRGN manual = CreateRectRgn(3, 0, 117, 1);
  HRGN part = CreateRectRgn(1, 1, 119, 2);
  CombineRgn(manual, manual, part, RGN_OR);
  DeleteObject(part);
  part = CreateRectRgn(0, 2, 120, 80);
  CombineRgn(manual, manual, part, RGN_OR);
  DeleteObject(part);
  EXPECT_TRUE(SameRegion(actual, expected));
  EXPECT_TRUE(SameRegion(actual, manual));
  for (HRGN r : {actual, expected, manual}) DeleteObject(r);
}

}  // namespace
