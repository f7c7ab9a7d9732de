#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ArrowGlyphs.h"
#include "PixelFixtures.h"

namespace {
constexpr TColor kBack = 0x203040;

// A glyph's pixels as rows of '#', with the position of (X, Y) inside the picture.
struct Glyph {
  const char* name;
  void (*draw)(TCanvas&, int, int, bool);
  int originX, originY;
  std::vector<const char*> rows;
};

const Glyph kGlyphs[] = {
    {"down", DrawArrowDown, 0, 0, {"#######", ".#####.", "..###..", "...#..."}},
    {"up", DrawArrowUp, 3, 0, {"...#...", "..###..", ".#####.", "#######"}},
    {"left", DrawArrowLeft, 0, 3, {"...#", "..##", ".###", "####", ".###", "..##", "...#"}},
    {"right", DrawArrowRight, 0, 0, {"#...", "##..", "###.", "####", "###.", "##..", "#..."}},
};

bool Inside(const Glyph& g, int gx, int gy) {
  if (gy < 0 || gy >= static_cast<int>(g.rows.size()) || gx < 0 || gx >= static_cast<int>(strlen(g.rows[0])))
    return false;
  return g.rows[static_cast<size_t>(gy)][gx] == '#';
}
}  // namespace

TEST(ArrowGlyphs, EnabledArrowsAreExactBlackTriangles) {
  for (const Glyph& g : kGlyphs) {
    auto dest = fixtures::SolidBitmap(16, 16, kBack);
    g.draw(dest->Canvas(), 6, 6, true);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        bool in = Inside(g, x - 6 + g.originX, y - 6 + g.originY);
        ASSERT_EQ(dest->Pixel(x, y), in ? clBlack : kBack) << g.name << " at " << x << "," << y;
      }
  }
}

TEST(ArrowGlyphs, DisabledArrowsAreGreyOverAWhiteCopyOnePixelDownRight) {
  for (const Glyph& g : kGlyphs) {
    auto dest = fixtures::SolidBitmap(16, 16, kBack);
    dest->Canvas().Brush().SetStyle(bsClear);  // the glyph fills whatever the brush was
    g.draw(dest->Canvas(), 6, 6, false);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        int gx = x - 6 + g.originX, gy = y - 6 + g.originY;
        TColor expected = Inside(g, gx, gy) ? clGray : Inside(g, gx - 1, gy - 1) ? clWhite : kBack;
        ASSERT_EQ(dest->Pixel(x, y), expected) << g.name << " at " << x << "," << y;
      }
  }
}
