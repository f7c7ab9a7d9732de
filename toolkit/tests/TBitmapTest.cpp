#include <gtest/gtest.h>

#include "PixelFixtures.h"
#include "TBitmap.h"
#include "TCanvas.h"

using fixtures::Coded;

TEST(TBitmap, AdoptsASkinImageWithoutCopyingItsPixels) {
  SkinImage image(3, 2);
  image.SetPixel(0, 0, 0x112233);
  image.SetPixel(2, 1, 0xA0B0C0);
  image.SetTransparent(true);
  image.SetTransparentMode(TTransparentMode::tmFixed);
  image.SetTransparentColor(0xFF00FF);
  const uint8_t* bits = image.Buffer().Bits();

  TBitmap bitmap(std::move(image));

  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  // Bottom-up memory: the bottom row starts the buffer.
  EXPECT_EQ(bitmap.ScanLine(1), bits);
  EXPECT_EQ(bitmap.Pixel(0, 0), 0x112233);
  EXPECT_EQ(bitmap.Pixel(2, 1), 0xA0B0C0);
  EXPECT_TRUE(bitmap.Transparent());
  EXPECT_EQ(bitmap.TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), 0xFF00FF);
  // GDI sees the same memory.
  EXPECT_EQ(bitmap.Canvas().Pixels(2, 1), 0xA0B0C0);
}

TEST(TBitmap, AdoptAndTakeBufferHandTheSameMemoryAround) {
  auto buffer = PixelBuffer::Create(4, 4);
  const uint8_t* bits = buffer->Bits();
  TBitmap a;
  a.Adopt(std::move(buffer));
  a.Canvas();  // selected into a DC: taking it must deselect first
  auto taken = a.TakeBuffer();
  EXPECT_TRUE(a.Empty());
  EXPECT_EQ(a.Width(), 0);
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->Bits(), bits);
  TBitmap b;
  b.Adopt(std::move(taken));
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect(TRect{0, 0, 4, 4});
  EXPECT_EQ(b.Pixel(3, 3), clRed);
}

TEST(TBitmap, SizeChangesKeepWhatFitsAnchoredTopLeftAndBlackenTheRest) {
  struct Case {
    int w0, h0, w1, h1;
  };
  const Case cases[] = {{4, 3, 6, 5}, {4, 3, 2, 2}, {4, 3, 4, 6}, {4, 3, 7, 1}};
  for (const Case& c : cases) {
    auto bitmap = fixtures::MakeBitmap(c.w0, c.h0, Coded);
    bitmap->SetSize(c.w1, c.h1);
    ASSERT_EQ(bitmap->Width(), c.w1);
    ASSERT_EQ(bitmap->Height(), c.h1);
    for (int y = 0; y < c.h1; ++y)
      for (int x = 0; x < c.w1; ++x)
        EXPECT_EQ(bitmap->Pixel(x, y), (x < c.w0 && y < c.h0) ? Coded(x, y) : clBlack)
            << c.w0 << "x" << c.h0 << " -> " << c.w1 << "x" << c.h1 << " at " << x << "," << y;
  }
}

TEST(TBitmap, ZeroSizeReleasesThePixelsButKeepsTheOtherDimension) {
  TBitmap bitmap(5, 4);
  bitmap.SetWidth(0);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 4);
  EXPECT_EQ(bitmap.Handle(), nullptr);
  bitmap.SetWidth(2);
  EXPECT_FALSE(bitmap.Empty());
  EXPECT_EQ(bitmap.Pixel(1, 3), clBlack);
  bitmap.SetSize(-3, 2);
  EXPECT_TRUE(bitmap.Empty());
  bitmap.SetSize(3, 3);
  bitmap.Clear();
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 0);
}

TEST(TBitmap, TheCanvasOutlivesSizeChangesAndDrawsIntoTheNewPixels) {
  TBitmap bitmap(2, 2);
  TCanvas& canvas = bitmap.Canvas();
  bitmap.SetSize(10, 8);
  EXPECT_EQ(&bitmap.Canvas(), &canvas);
  canvas.Brush().SetColor(clLime);
  canvas.FillRect(TRect{0, 0, 10, 8});
  EXPECT_EQ(bitmap.Pixel(9, 7), clLime);
  bitmap.Clear();
  canvas.FillRect(TRect{0, 0, 10, 8});  // nothing selected: draws nowhere, must not fail
  bitmap.SetSize(3, 3);
  canvas.Brush().SetColor(clBlue);
  canvas.FillRect(TRect{0, 0, 3, 3});
  EXPECT_EQ(bitmap.Pixel(2, 2), clBlue);
}

TEST(TBitmap, AssignCopiesSizeAndPixelsButNotTransparency) {
  auto source = fixtures::MakeBitmap(5, 3, Coded);
  source->SetTransparent(true);
  source->SetTransparentColor(clRed);
  for (auto [w, h] : {std::pair{5, 3}, std::pair{1, 1}, std::pair{0, 0}}) {
    TBitmap dest(w, h);
    dest.Canvas();
    dest.Assign(*source);
    ASSERT_EQ(dest.Width(), 5);
    ASSERT_EQ(dest.Height(), 3);
    EXPECT_EQ(dest.Pixel(4, 2), Coded(4, 2));
    EXPECT_EQ(dest.Pixel(0, 0), Coded(0, 0));
    EXPECT_NE(dest.ScanLine(0), source->ScanLine(0));
    EXPECT_FALSE(dest.Transparent());
    EXPECT_EQ(dest.TransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(dest.Canvas().Pixels(4, 2), Coded(4, 2));
  }
  TBitmap empty, dest(2, 2);
  dest.Assign(empty);
  EXPECT_TRUE(dest.Empty());
}

TEST(TBitmap, RowZeroIsTheTopRowForGdiAndMemoryAlike) {
  TBitmap bitmap(3, 4);
  bitmap.Canvas().SetPixels(1, 0, 0x0A0B0C);
  const uint8_t* top = bitmap.ScanLine(0);
  EXPECT_EQ(top[3], 0x0A);  // blue
  EXPECT_EQ(top[4], 0x0B);
  EXPECT_EQ(top[5], 0x0C);  // red
  EXPECT_EQ(bitmap.Stride(), 12);
  bitmap.SetPixel(2, 3, 0x010203);
  EXPECT_EQ(bitmap.Canvas().Pixels(2, 3), 0x010203);
}

TEST(TBitmap, TransparentColourIsTheBottomLeftPixelUntilOneIsSet) {
  auto bitmap = fixtures::MakeBitmap(3, 3, Coded);
  EXPECT_EQ(bitmap->TransparentMode(), TTransparentMode::tmAuto);
  EXPECT_EQ(bitmap->TransparentColor(), Coded(0, 2));
  bitmap->SetTransparentColor(clFuchsia);
  EXPECT_EQ(bitmap->TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(bitmap->TransparentColor(), clFuchsia);
  bitmap->SetTransparentMode(TTransparentMode::tmAuto);
  EXPECT_EQ(bitmap->TransparentColor(), Coded(0, 2));
  TBitmap empty;
  EXPECT_EQ(empty.TransparentColor(), clNone);
}

TEST(TBitmap, PixelAccessOutsideReadsNoneAndWritesNothing) {
  auto bitmap = fixtures::SolidBitmap(2, 2, clSilver);
  const std::pair<int, int> outside[] = {{-1, 0}, {0, -1}, {2, 0}, {0, 2}};
  for (auto [x, y] : outside) {
    EXPECT_EQ(bitmap->Pixel(x, y), clNone);
    bitmap->SetPixel(x, y, clRed);
  }
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(bitmap->Pixel(x, y), clSilver);
  bitmap->SetPixel(0, 0, clBtnFace);  // system colours are resolved when stored
  EXPECT_EQ(bitmap->Pixel(0, 0), ColorToRGB(clBtnFace));
}
