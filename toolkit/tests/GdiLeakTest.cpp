#include <gtest/gtest.h>

#include "GdiObjectCount.h"
#include "PixelFixtures.h"
#include "TCanvas.h"
#include "TImageList.h"

TEST(GdiObjectCount, SeesObjectsComeAndGo) {
  {  // the first DC of the process makes the display driver's own objects, which stay
    TBitmap warmUp(1, 1);
    warmUp.Canvas();
  }
  size_t before = CountGdiObjects();
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(CountGdiObjects(), before + 1);
  DeleteObject(brush);
  EXPECT_EQ(CountGdiObjects(), before);
  {
    TBitmap bitmap(4, 4);
    bitmap.Canvas();
    EXPECT_EQ(CountGdiObjects(), before + 2);  // the DIB section and the canvas's memory DC
  }
  EXPECT_EQ(CountGdiObjects(), before);
}

namespace {
void CanvasRound(TBitmap& target, int i) {
  TCanvas& c = target.Canvas();
  c.Font().SetHeight(-11 - i % 3);  // font changes drop and remake the font handle
  c.Font().SetColor(i % 2 ? clRed : clBlue);
  c.Brush().SetColor(static_cast<TColor>(i));
  c.Brush().SetStyle(i % 2 ? bsSolid : bsClear);
  c.Pen().SetColor(static_cast<TColor>(i * 3));
  c.TextOut(1, 1, std::string("Text"));
  c.TextWidth(std::wstring(L"Wide"));
  TRect r{0, 0, 40, 20};
  c.DrawText(std::string("Draw"), r, DT_SINGLELINE);
  c.Rectangle(2, 2, 20, 10);
  c.FillRect(TRect{0, 0, 4, 4});
  // Short-lived bitmaps with their own canvases, drawn transparently and through an image list.
  TBitmap piece(5, 5);
  piece.Canvas().Brush().SetColor(clRed);
  piece.Canvas().FillRect(TRect{0, 0, 5, 5});
  piece.SetTransparent(true);
  piece.SetTransparentColor(clRed);
  c.StretchDraw(TRect{0, 0, 10, 10}, piece);
  TImageList list(5, 5);
  list.AddMasked(piece, clRed);
  list.Draw(c, 1, 1, 0, i % 2 == 0);
}
}  // namespace

TEST(GdiObjectCount, RepeatedCanvasWorkDoesNotGrowTheCount) {
  TBitmap target(60, 30);
  // Warm-up ends on the same kind of round as the measured loop, so the canvas caches the same
  // font, brush and pen handles at both counts.
  for (int i = 0; i < 10; ++i) CanvasRound(target, i);
  size_t baseline = CountGdiObjects();
  for (int i = 0; i < 200; ++i) CanvasRound(target, i);
  EXPECT_LE(CountGdiObjects(), baseline);
}
