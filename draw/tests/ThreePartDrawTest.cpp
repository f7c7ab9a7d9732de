#include <gtest/gtest.h>

#include "PixelFixtures.h"
#include "ThreePartDraw.h"

using fixtures::Coded;

namespace {
constexpr TColor kBack = 0x203040;

// A 30 by 10 strip of three 10-pixel frames; magenta at (1, 1) in the left cap and at column 14
// of the middle frame.
std::unique_ptr<TBitmap> Strip() {
  return fixtures::MakeBitmap(30, 10, [](int x, int y) {
    if ((x == 1 && y == 1) || x == 14) return clFuchsia;
    return Coded(x, y);
  });
}

TColor Expected(const TBitmap& strip, int sx, int sy, bool transparent) {
  TColor c = strip.Pixel(sx, sy);
  return transparent && c == clFuchsia ? kBack : c;
}
}  // namespace

TEST(DrawHorzThreePart, ANarrowRectangleShowsTheLeftColumnsOfTheLeftCapOnly) {
  auto strip = Strip();
  for (bool transparent : {false, true}) {
    auto dest = fixtures::SolidBitmap(40, 15, kBack);
    DrawHorzThreePart(*strip, dest->Canvas(), TRect{3, 2, 8, 12}, clFuchsia, transparent);
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 40; ++x) {
        bool inside = x >= 3 && x < 8 && y >= 2 && y < 12;
        TColor expected = inside ? Expected(*strip, x - 3, y - 2, transparent) : kBack;
        ASSERT_EQ(dest->Pixel(x, y), expected) << x << "," << y << (transparent ? " transparent" : "");
      }
  }
}

TEST(DrawHorzThreePart, AWideRectangleHasFixedCapsAndAStretchedMiddleInTheBitmapsHeight) {
  auto strip = Strip();
  for (bool transparent : {false, true}) {
    auto dest = fixtures::SolidBitmap(100, 14, kBack);
    // The rectangle is 3 rows high: pieces keep the bitmap's 10 rows anyway.
    DrawHorzThreePart(*strip, dest->Canvas(), TRect{0, 2, 100, 5}, clFuchsia, transparent);
    for (int y = 0; y < 14; ++y)
      for (int x = 0; x < 100; ++x) {
        TColor expected = kBack;
        if (y >= 2 && y < 12) {
          // 0..9 left cap, 90..99 right cap (frame 3), 10..89 the middle frame at 8 pixels a column.
          int sx = x < 10 ? x : x >= 90 ? x - 70 : 10 + (x - 10) / 8;
          expected = Expected(*strip, sx, y - 2, transparent);
        }
        ASSERT_EQ(fixtures::Describe(dest->Pixel(x, y)), fixtures::Describe(expected))
            << x << "," << y << (transparent ? " transparent" : "");
      }
  }
}

TEST(DrawHorzThreePart, BetweenOneAndTwoFramesTheRightCapOverlapsTheLeftAndNoMiddleIsDrawn) {
  auto strip = Strip();
  auto dest = fixtures::SolidBitmap(20, 10, kBack);
  DrawHorzThreePart(*strip, dest->Canvas(), TRect{0, 0, 15, 10}, clFuchsia, false);
  for (int x = 0; x < 20; ++x) {
    TColor expected = x < 5 ? Coded(x, 5) : x < 15 ? Coded(x + 15, 5) : kBack;
    EXPECT_EQ(dest->Pixel(x, 5), expected) << x;
  }
}

TEST(DrawHorzThreePart, StripsNarrowerThanThreePixelsDrawNothing) {
  auto strip = fixtures::SolidBitmap(2, 4, clRed);
  auto dest = fixtures::SolidBitmap(10, 4, kBack);
  DrawHorzThreePart(*strip, dest->Canvas(), TRect{0, 0, 10, 4}, clFuchsia, true);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(dest->Pixel(x, 0), kBack);
}
