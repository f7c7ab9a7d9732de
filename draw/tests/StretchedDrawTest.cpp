#include <gtest/gtest.h>

#include "PixelFixtures.h"
#include "StretchedDraw.h"

using fixtures::Coded;
using fixtures::CodedX;
using fixtures::CodedY;

namespace {
constexpr TColor kBack = 0x203040;

// Halftone blends neighbouring source pixels: a blended pixel keeps the fixture's tag and has its
// coordinate between the first and last source line of the stretched part.
void ExpectBlendedBetween(TColor c, bool vertical, int from, int to, int exact, const std::string& where) {
  int red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
  EXPECT_EQ(blue, 0x40) << where;
  int along = vertical ? green : red;
  int across = vertical ? red : green;
  EXPECT_GE(along, from) << where;
  EXPECT_LE(along, to) << where;
  EXPECT_EQ(across, exact) << where;
}
}  // namespace

TEST(DrawVertStretched, CapZeroMeansAThirdOfTheHeightCopiedAtBothEnds) {
  auto bitmap = fixtures::MakeBitmap(4, 21, Coded);
  auto dest = fixtures::SolidBitmap(10, 45, kBack);
  DrawVertStretched(*bitmap, dest->Canvas(), TRect{1, 2, 9, 42}, 0);
  for (int y = 0; y < 45; ++y)
    for (int x = 0; x < 10; ++x) {
      std::string where = std::to_string(x) + "," + std::to_string(y);
      TColor c = dest->Pixel(x, y);
      if (x < 1 || x >= 9 || y < 2 || y >= 42) {
        ASSERT_EQ(c, kBack) << where;
      } else if (y < 9) {  // caps of 7 rows, widened 4 -> 8 by the nearest pixel
        ASSERT_EQ(c, Coded((x - 1) / 2, y - 2)) << where;
      } else if (y >= 35) {
        ASSERT_EQ(c, Coded((x - 1) / 2, y - 35 + 14)) << where;
      } else {  // rows 7..13 halftone-stretched over 26 rows (and widened)
        int red = c & 0xFF;
        EXPECT_TRUE(red >= 0 && red <= 3) << where;
        ExpectBlendedBetween(c, true, 7, 13, red, where);
      }
    }
  // The blend really spreads the seven middle rows: both ends are reached.
  EXPECT_EQ(CodedY(dest->Pixel(1, 9)), 7);
  EXPECT_EQ(CodedY(dest->Pixel(1, 34)), 13);
}

TEST(DrawVertStretched, RectanglesSmallerThanTheCapsOverlapTheCapsAndSkipTheMiddle) {
  auto bitmap = fixtures::MakeBitmap(4, 21, Coded);
  auto dest = fixtures::SolidBitmap(4, 12, kBack);
  DrawVertStretched(*bitmap, dest->Canvas(), TRect{0, 0, 4, 10}, 7);
  for (int y = 0; y < 12; ++y) {
    TColor expected = y < 3 ? Coded(2, y) : y < 10 ? Coded(2, y + 11) : kBack;  // bottom cap drawn last
    EXPECT_EQ(dest->Pixel(2, y), expected) << y;
  }
}

TEST(DrawVertStretched, NegativeLeftDrawsNothing) {
  auto bitmap = fixtures::MakeBitmap(4, 21, Coded);
  auto dest = fixtures::SolidBitmap(6, 30, kBack);
  DrawVertStretched(*bitmap, dest->Canvas(), TRect{-1, 0, 5, 30}, 0);
  DrawHorzStretched(*bitmap, dest->Canvas(), TRect{-1, 0, 5, 30}, 1);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(dest->Pixel(x, y), kBack);
}

TEST(DrawHorzStretched, CapsOfCapColumnsAndAStretchedMiddle) {
  auto bitmap = fixtures::MakeBitmap(21, 4, Coded);
  auto dest = fixtures::SolidBitmap(45, 6, kBack);
  DrawHorzStretched(*bitmap, dest->Canvas(), TRect{2, 1, 42, 5}, 5);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 45; ++x) {
      std::string where = std::to_string(x) + "," + std::to_string(y);
      TColor c = dest->Pixel(x, y);
      if (x < 2 || x >= 42 || y < 1 || y >= 5)
        ASSERT_EQ(c, kBack) << where;
      else if (x < 7)
        ASSERT_EQ(c, Coded(x - 2, y - 1)) << where;
      else if (x >= 37)
        ASSERT_EQ(c, Coded(x - 37 + 16, y - 1)) << where;
      else
        ExpectBlendedBetween(c, false, 5, 15, y - 1, where);
    }
  EXPECT_EQ(CodedX(dest->Pixel(7, 1)), 5);
  EXPECT_EQ(CodedX(dest->Pixel(36, 1)), 15);
}

TEST(DrawHorzStretched, CapZeroStretchesTheWholeBitmap) {
  auto bitmap = fixtures::MakeBitmap(21, 4, Coded);
  auto dest = fixtures::SolidBitmap(50, 4, kBack);
  DrawHorzStretched(*bitmap, dest->Canvas(), TRect{0, 0, 50, 4}, 0);
  EXPECT_EQ(CodedX(dest->Pixel(0, 0)), 0);
  EXPECT_EQ(CodedX(dest->Pixel(49, 0)), 20);
  for (int x = 0; x < 50; ++x) ExpectBlendedBetween(dest->Pixel(x, 2), false, 0, 20, 2, std::to_string(x));
}

TEST(StretchBitmapHalftone, StretchesTheWholeBitmapAndLeavesTheCanvasModeAsItWas) {
  auto bitmap = fixtures::MakeBitmap(2, 1, [](int x, int) { return x == 0 ? clBlack : clWhite; });
  auto dest = fixtures::SolidBitmap(8, 3, kBack);
  StretchBitmapHalftone(*bitmap, dest->Canvas(), TRect{1, 1, 7, 2});
  EXPECT_EQ(dest->Pixel(1, 1), clBlack);
  EXPECT_EQ(dest->Pixel(6, 1), clWhite);
  int blended = 0;
  for (int x = 1; x < 7; ++x) blended += dest->Pixel(x, 1) != clBlack && dest->Pixel(x, 1) != clWhite;
  EXPECT_GT(blended, 0);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(dest->Pixel(x, 0), kBack);
  EXPECT_EQ(dest->Pixel(0, 1), kBack);
  EXPECT_EQ(dest->Pixel(7, 1), kBack);
  EXPECT_EQ(dest->Canvas().StretchMode(), smColorOnColor);
  // Same size: an exact copy.
  auto coded = fixtures::MakeBitmap(5, 3, Coded);
  auto copy = fixtures::SolidBitmap(5, 3, kBack);
  StretchBitmapHalftone(*coded, copy->Canvas(), TRect{0, 0, 5, 3});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(copy->Pixel(x, y), Coded(x, y));
}
