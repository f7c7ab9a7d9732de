#include <gtest/gtest.h>

#include "GdiObjectCount.h"
#include "PixelFixtures.h"
#include "SkinDraw.h"
#include "TestWindow.h"

namespace {
struct Sources {
  std::unique_ptr<TBitmap> button = fixtures::MakeBitmap(75, 21, fixtures::Coded);
  std::unique_ptr<TBitmap> strip = fixtures::MakeBitmap(30, 10, fixtures::Coded);
  std::unique_ptr<TBitmap> square = fixtures::MakeBitmap(16, 21, fixtures::Coded);
};

void DrawRound(const Sources& s, TBitmap& target, HWND window, int i) {
  TCanvas& c = target.Canvas();
  DrawBitmapQuarters(*s.button, c, TRect{0, 0, 200, 30}, clFuchsia, i % 2 == 0);
  DrawHorzThreePart(*s.strip, c, TRect{0, 0, 100 - i % 97, 10}, clFuchsia, i % 2 == 0);
  DrawVertStretched(*s.square, c, TRect{0, 0, 16, 60}, 0);
  DrawHorzStretched(*s.square, c, TRect{0, 0, 50, 21}, 4);
  StretchBitmapHalftone(*s.square, c, TRect{0, 0, 40, 40});
  TBitmap frame;
  CutBitmapFrame(s.strip.get(), frame, 3, 1 + i % 3);
  RotateBitmap90CCW(frame);
  RotateBitmap180(frame);
  RotateBitmap90CW(frame);
  ReplaceBitmapColor(frame, clFuchsia, clRed);
  DrawArrowDown(c, 5, 5, i % 2 == 0);
  AssignCaptionFont(c.Font());
  FitCaption(c, "A caption that does not fit", 40);
  FitCaptionW(c, L"A caption that does not fit", 40);
  if (i % 20 == 0) DrawWindowFrame(window, clRed, clBtnShadow, true);
}
}  // namespace

TEST(DrawGdiObjects, RepeatedDrawingDoesNotGrowTheGdiObjectCount) {
  Sources sources;
  TBitmap target(200, 60);
  TestWindow window(0, 0, 120, 80);
  for (int i = 0; i < 20; ++i) DrawRound(sources, target, window.Handle(), i);  // warm-up, ends like the loop
  size_t baseline = CountGdiObjects();
  for (int i = 0; i < 200; ++i) DrawRound(sources, target, window.Handle(), i);
  EXPECT_LE(CountGdiObjects(), baseline);
}
