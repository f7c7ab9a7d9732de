#include <gtest/gtest.h>

#include "PixelFixtures.h"
#include "TCanvas.h"
#include "TImageList.h"

using fixtures::Coded;

namespace {
constexpr TColor kBack = 0x203040;
}

TEST(TImageList, AWideBitmapSplitsIntoConsecutiveImages) {
  // 14 columns make three whole 4-wide images; the last two columns are dropped.
  auto strip = fixtures::MakeBitmap(14, 3, Coded);
  TImageList list(4, 3);
  EXPECT_EQ(list.Add(*strip), 0);
  ASSERT_EQ(list.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    TBitmap image;
    ASSERT_TRUE(list.GetBitmap(i, image));
    ASSERT_EQ(image.Width(), 4);
    ASSERT_EQ(image.Height(), 3);
    EXPECT_FALSE(image.Transparent());
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) EXPECT_EQ(image.Pixel(x, y), Coded(4 * i + x, y)) << i << ":" << x << "," << y;
  }
  // Later additions get the following indexes and keep the earlier images.
  auto more = fixtures::SolidBitmap(8, 3, clRed);
  EXPECT_EQ(list.AddMasked(*more, clRed), 3);
  EXPECT_EQ(list.Count(), 5);
  TBitmap first;
  list.GetBitmap(0, first);
  EXPECT_EQ(first.Pixel(3, 2), Coded(3, 2));
}

TEST(TImageList, BitmapsWithoutAWholeImageAddNothing) {
  TImageList list(4, 3);
  EXPECT_EQ(list.Add(*fixtures::SolidBitmap(3, 3, clRed)), -1);
  TBitmap empty;
  EXPECT_EQ(list.AddMasked(empty, clRed), -1);
  EXPECT_EQ(list.Count(), 0);
  TImageList degenerate(0, 3);
  EXPECT_EQ(degenerate.Add(*fixtures::SolidBitmap(3, 3, clRed)), -1);
}

TEST(TImageList, DrawHonoursTheMaskOfMaskedImagesOnly) {
  // Image pixels on the diagonal are magenta.
  auto picture = fixtures::MakeBitmap(3, 3, [](int x, int y) { return x == y ? clFuchsia : Coded(x, y); });
  struct Case {
    const char* name;
    bool masked;
    bool moved;
  };
  for (const Case& c : {Case{"copy, masked", true, false}, Case{"moved in, masked", true, true},
                        Case{"copy, unmasked", false, false}, Case{"moved in, unmasked", false, true}}) {
    auto image = fixtures::MakeBitmap(3, 3, [&](int x, int y) { return picture->Pixel(x, y); });
    TImageList list(3, 3);
    if (c.masked)
      c.moved ? list.AddMasked(std::move(*image), clFuchsia) : list.AddMasked(*image, clFuchsia);
    else
      c.moved ? list.Add(std::move(*image)) : list.Add(*image);
    auto dest = fixtures::SolidBitmap(6, 6, kBack);
    list.Draw(dest->Canvas(), 2, 1, 0);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 3; ++x) {
        TColor expected = (c.masked && x == y) ? kBack : picture->Pixel(x, y);
        EXPECT_EQ(dest->Pixel(2 + x, 1 + y), expected) << c.name << " " << x << "," << y;
      }
    EXPECT_EQ(dest->Pixel(1, 1), kBack);
    EXPECT_EQ(dest->Pixel(5, 4), kBack);
  }
}

TEST(TImageList, GetBitmapOfAMaskedImageComesOutTransparent) {
  TImageList list(2, 2);
  list.AddMasked(*fixtures::MakeBitmap(2, 2, [](int x, int) { return x == 0 ? clFuchsia : clRed; }), clFuchsia);
  TBitmap image(7, 7);  // any previous size is replaced
  ASSERT_TRUE(list.GetBitmap(0, image));
  EXPECT_EQ(image.Width(), 2);
  EXPECT_TRUE(image.Transparent());
  EXPECT_EQ(image.TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(image.TransparentColor(), clFuchsia);
  EXPECT_EQ(image.Pixel(0, 0), clFuchsia);  // the pixels themselves are unchanged
  auto dest = fixtures::SolidBitmap(2, 2, kBack);
  dest->Canvas().Draw(0, 0, image);
  EXPECT_EQ(dest->Pixel(0, 1), kBack);
  EXPECT_EQ(dest->Pixel(1, 1), clRed);
}

TEST(TImageList, DisabledImagesAreGreyWithTheSameMask) {
  // Luminance (77 R + 151 G + 28 B) / 256, drawn as 128 + luminance / 2.
  struct Case {
    TColor colour;
    int grey;
  };
  const Case cases[] = {{clBlack, 128}, {clWhite, 255}, {clRed, 128 + 76 / 2}, {clLime, 128 + 150 / 2}};
  for (const Case& c : cases) {
    TImageList list(2, 1);
    list.AddMasked(*fixtures::MakeBitmap(2, 1, [&](int x, int) { return x == 0 ? clFuchsia : c.colour; }), clFuchsia);
    auto dest = fixtures::SolidBitmap(2, 1, kBack);
    list.Draw(dest->Canvas(), 0, 0, 0, false);
    EXPECT_EQ(dest->Pixel(0, 0), kBack);
    EXPECT_EQ(dest->Pixel(1, 0), static_cast<TColor>(RGB(c.grey, c.grey, c.grey))) << std::hex << c.colour;
  }
}

TEST(TImageList, IndexesOutOfRangeDrawAndCopyNothing) {
  TImageList list(2, 2);
  list.Add(*fixtures::SolidBitmap(2, 2, clRed));
  auto dest = fixtures::SolidBitmap(2, 2, kBack);
  list.Draw(dest->Canvas(), 0, 0, 1);
  list.Draw(dest->Canvas(), 0, 0, -1);
  EXPECT_EQ(dest->Pixel(0, 0), kBack);
  TBitmap image(1, 1);
  EXPECT_FALSE(list.GetBitmap(1, image));
  EXPECT_EQ(image.Width(), 1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.Draw(dest->Canvas(), 0, 0, 0);
  EXPECT_EQ(dest->Pixel(0, 0), kBack);
}
