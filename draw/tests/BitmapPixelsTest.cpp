#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "BitmapColors.h"
#include "BitmapRotation.h"
#include "PixelFixtures.h"
#include "TCanvas.h"

using fixtures::Coded;

namespace {
struct Rotation {
  const char* name;
  void (*rotate)(TBitmap&);
  bool swapsSides;
  // New position of old pixel (x, y) for an old W x H bitmap.
  std::function<TPoint(int x, int y, int W, int H)> place;
};

const Rotation kRotations[] = {
    {"90 CCW", RotateBitmap90CCW, true, [](int x, int y, int W, int) { return TPoint{y, W - 1 - x}; }},
    {"180", RotateBitmap180, false, [](int x, int y, int W, int H) { return TPoint{W - 1 - x, H - 1 - y}; }},
    {"90 CW", RotateBitmap90CW, true, [](int x, int y, int, int H) { return TPoint{H - 1 - y, x}; }},
};
}  // namespace

TEST(RotateBitmap, TwoPixelsSideBySide) {
  const TColor A = 0x0000AA, B = 0x00BB00;
  struct Case {
    void (*rotate)(TBitmap&);
    int w, h;
    TColor first, second;  // top-left, then the other pixel (below or right)
  };
  const Case cases[] = {
      {RotateBitmap90CW, 1, 2, A, B},   // A on top, B below
      {RotateBitmap90CCW, 1, 2, B, A},  // B on top, A below
      {RotateBitmap180, 2, 1, B, A},
  };
  for (const Case& c : cases) {
    auto bitmap = fixtures::MakeBitmap(2, 1, [&](int x, int) { return x == 0 ? A : B; });
    c.rotate(*bitmap);
    ASSERT_EQ(bitmap->Width(), c.w);
    ASSERT_EQ(bitmap->Height(), c.h);
    EXPECT_EQ(bitmap->Pixel(0, 0), c.first);
    EXPECT_EQ(bitmap->Pixel(c.w - 1, c.h - 1), c.second);
  }
}

TEST(RotateBitmap, EveryPixelMovesAsTheTurnSays) {
  // 5 columns make rows with padding bytes, which must not leak into the result; squares (even and
  // odd, with a centre pixel) keep their size and turn within their own memory.
  const std::pair<int, int> sizes[] = {{5, 3}, {4, 4}, {5, 5}, {1, 1}, {1, 4}};
  for (const Rotation& r : kRotations)
    for (auto [W, H] : sizes) {
      auto bitmap = fixtures::MakeBitmap(W, H, Coded);
      bitmap->SetTransparent(true);
      bitmap->SetTransparentColor(clFuchsia);
      bitmap->Canvas();  // a selected DIB section must be swapped cleanly
      r.rotate(*bitmap);
      const std::string what = std::string(r.name) + " of " + std::to_string(W) + "x" + std::to_string(H);
      ASSERT_EQ(bitmap->Width(), r.swapsSides ? H : W) << what;
      ASSERT_EQ(bitmap->Height(), r.swapsSides ? W : H) << what;
      for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
          TPoint p = r.place(x, y, W, H);
          EXPECT_EQ(bitmap->Pixel(p.X, p.Y), Coded(x, y)) << what << ", old " << x << "," << y;
        }
      EXPECT_TRUE(bitmap->Transparent()) << what;
      EXPECT_EQ(bitmap->TransparentColor(), clFuchsia) << what;
      TPoint corner = r.place(W - 1, H - 1, W, H);
      EXPECT_EQ(bitmap->Canvas().Pixels(corner.X, corner.Y), Coded(W - 1, H - 1)) << what;
    }
}

TEST(RotateBitmap, FourQuarterTurnsAndTwoHalfTurnsGiveTheOriginalBack) {
  auto bitmap = fixtures::MakeBitmap(7, 4, Coded);
  for (int i = 0; i < 4; ++i) RotateBitmap90CCW(*bitmap);
  RotateBitmap90CW(*bitmap);
  RotateBitmap90CCW(*bitmap);
  RotateBitmap180(*bitmap);
  RotateBitmap180(*bitmap);
  ASSERT_EQ(bitmap->Width(), 7);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(bitmap->Pixel(x, y), Coded(x, y));
  TBitmap empty;
  for (const Rotation& r : kRotations) r.rotate(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(ReplaceBitmapColor, OnlyExactMatchesChange) {
  const TColor similar[] = {0xFF00FE, 0xFE00FF, 0xFF01FF};
  auto bitmap =
      fixtures::MakeBitmap(5, 3, [&](int x, int y) { return (x + y) % 2 ? clFuchsia : similar[(x + y) % 3]; });
  ReplaceBitmapColor(*bitmap, clFuchsia, 0x123456);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(bitmap->Pixel(x, y), (x + y) % 2 ? 0x123456 : similar[(x + y) % 3]) << x << "," << y;
}

TEST(ReplaceBitmapColor, SystemColoursResolveAndNoneChangesNothing) {
  auto bitmap = fixtures::SolidBitmap(3, 2, clFuchsia);
  ReplaceBitmapColor(*bitmap, clFuchsia, clNone);
  ReplaceBitmapColor(*bitmap, clNone, clRed);
  EXPECT_EQ(bitmap->Pixel(2, 1), clFuchsia);
  ReplaceBitmapColor(*bitmap, clFuchsia, clBtnFace);
  EXPECT_EQ(bitmap->Pixel(2, 1), ColorToRGB(clBtnFace));
  TBitmap empty;
  ReplaceBitmapColor(empty, clRed, clBlue);
}
