#include <gtest/gtest.h>

#include <functional>

#include "PixelFixtures.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TWindowCanvas.h"
#include "TestWindow.h"

using fixtures::Coded;

namespace {
constexpr TColor kBack = 0x203040;

std::unique_ptr<TBitmap> Background(int w, int h) { return fixtures::SolidBitmap(w, h, kBack); }

// Count of pixels in rect that are not the background.
int Painted(const TBitmap& b, const TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += b.Pixel(x, y) != kBack;
  return n;
}
}  // namespace

TEST(TCanvasDraw, TransparentBitmapsLeaveOutTheirTransparentColour) {
  // A 3x2 picture with magenta at (1, 0) and a bottom-left pixel of its own colour.
  auto picture = fixtures::MakeBitmap(3, 2, [](int x, int y) { return x == 1 && y == 0 ? clFuchsia : Coded(x, y); });
  struct Case {
    const char* name;
    bool transparent;
    bool fixed;
    TColor key;
    std::pair<int, int> leftOut;  // source pixel not drawn, (-1, -1) for none
  };
  const Case cases[] = {
      {"opaque", false, true, clFuchsia, {-1, -1}},
      {"fixed key", true, true, clFuchsia, {1, 0}},
      {"auto key = bottom-left pixel", true, false, clNone, {0, 1}},
  };
  for (const Case& c : cases) {
    picture->SetTransparent(c.transparent);
    if (c.fixed) picture->SetTransparentColor(c.key);
    else picture->SetTransparentMode(TTransparentMode::tmAuto);
    auto dest = Background(6, 5);
    dest->Canvas().Draw(2, 1, *picture);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        TColor expected = std::pair{x, y} == c.leftOut ? kBack : picture->Pixel(x, y);
        EXPECT_EQ(dest->Pixel(2 + x, 1 + y), expected) << c.name << " at " << x << "," << y;
      }
    EXPECT_EQ(Painted(*dest, TRect{0, 0, 6, 5}), c.leftOut.first < 0 ? 6 : 5) << c.name;
  }
}

TEST(TCanvasDraw, StretchDrawScalesAndKeepsTheColourKey) {
  auto picture = fixtures::MakeBitmap(2, 2, [](int x, int y) { return x == 1 && y == 1 ? clFuchsia : Coded(x, y); });
  picture->SetTransparent(true);
  picture->SetTransparentColor(clFuchsia);
  auto dest = Background(8, 8);
  dest->Canvas().StretchDraw(TRect{2, 2, 6, 6}, *picture);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      int sx = x / 2, sy = y / 2;
      TColor expected = sx == 1 && sy == 1 ? kBack : Coded(sx, sy);
      EXPECT_EQ(dest->Pixel(2 + x, 2 + y), expected) << x << "," << y;
    }
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 8, 8}), 12);
  // Destinations without area and empty bitmaps draw nothing (no mirrored copies).
  dest->Canvas().StretchDraw(TRect{6, 6, 2, 2}, *picture);
  TBitmap empty;
  dest->Canvas().Draw(0, 0, empty);
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 8, 8}), 12);
}

TEST(TCanvasCopyRect, ScalesByNearestPixelWithoutTransparency) {
  auto source = fixtures::MakeBitmap(4, 2, Coded);
  source->SetTransparent(true);  // copy-rect ignores it
  source->SetTransparentColor(Coded(1, 0));
  auto dest = Background(8, 6);
  // Source (1, 0, 3, 2) doubled into (2, 1, 6, 5).
  dest->Canvas().CopyRect(TRect{2, 1, 6, 5}, *source, TRect{1, 0, 3, 2});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(dest->Pixel(2 + x, 1 + y), Coded(1 + x / 2, y / 2)) << x << "," << y;
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 8, 6}), 16);
}

TEST(TCanvasCopyRect, ShrinkingPicksSourcePixelsInsteadOfCombiningThem) {
  // Red and green side by side, shrunk to one pixel: a combining stretch mode would give black.
  auto source = fixtures::MakeBitmap(2, 1, [](int x, int) { return x == 0 ? clRed : clLime; });
  auto dest = Background(1, 1);
  dest->Canvas().CopyRect(TRect{0, 0, 1, 1}, source->Canvas(), TRect{0, 0, 2, 1});
  TColor got = dest->Pixel(0, 0);
  EXPECT_TRUE(got == clRed || got == clLime) << fixtures::Describe(got);
}

TEST(TCanvasCopyRect, HalftoneModeBlendsAndLeavesTheDCsOwnModeAlone) {
  // Black and white enlarged to six pixels: nearest copies show only those two, halftone blends.
  auto source = fixtures::MakeBitmap(2, 1, [](int x, int) { return x == 0 ? clBlack : clWhite; });
  auto dest = Background(6, 1);
  dest->Canvas().SetStretchMode(smHalftone);
  dest->Canvas().CopyRect(TRect{0, 0, 6, 1}, *source, TRect{0, 0, 2, 1});
  int blended = 0;
  for (int x = 0; x < 6; ++x) blended += dest->Pixel(x, 0) != clBlack && dest->Pixel(x, 0) != clWhite;
  EXPECT_GT(blended, 0);
  dest->Canvas().SetStretchMode(smColorOnColor);
  dest->Canvas().CopyRect(TRect{0, 0, 6, 1}, *source, TRect{0, 0, 2, 1});
  for (int x = 0; x < 6; ++x) EXPECT_EQ(dest->Pixel(x, 0), x < 3 ? clBlack : clWhite) << x;
  // The DC itself keeps its own mode: the canvas applies its mode per copy.
  EXPECT_NE(GetStretchBltMode(dest->Canvas().Handle()), HALFTONE);
}

TEST(TCanvasPixels, PositionsOutsideReadNoneAndIgnoreWrites) {
  auto dest = Background(3, 3);
  TCanvas& canvas = dest->Canvas();
  canvas.SetPixels(1, 1, clRed);
  EXPECT_EQ(canvas.Pixels(1, 1), clRed);
  for (auto [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{3, 0}, std::pair{0, 3}}) {
    canvas.SetPixels(x, y, clRed);
    EXPECT_EQ(canvas.Pixels(x, y), clNone) << x << "," << y;
  }
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 3, 3}), 1);
}

TEST(TCanvasShapes, FillFrameAndRectangleCoverExactlyTheirPixels) {
  auto dest = Background(8, 8);
  TCanvas& c = dest->Canvas();
  c.Brush().SetColor(clRed);
  c.FillRect(TRect{1, 1, 3, 4});
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 8, 8}), 6);
  EXPECT_EQ(dest->Pixel(2, 3), clRed);
  EXPECT_EQ(dest->Pixel(3, 3), kBack);

  dest = Background(8, 8);
  dest->Canvas().Brush().SetColor(clBlue);
  dest->Canvas().FrameRect(TRect{1, 1, 5, 4});
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 8, 8}), 10);  // 4x3 outline
  EXPECT_EQ(dest->Pixel(2, 2), kBack);
  EXPECT_EQ(dest->Pixel(4, 3), clBlue);

  dest = Background(8, 8);
  TCanvas& r = dest->Canvas();
  r.Pen().SetColor(clLime);
  r.Brush().SetColor(clYellow);
  r.Rectangle(1, 1, 5, 5);
  EXPECT_EQ(dest->Pixel(1, 1), clLime);
  EXPECT_EQ(dest->Pixel(4, 4), clLime);
  EXPECT_EQ(dest->Pixel(2, 2), clYellow);
  EXPECT_EQ(dest->Pixel(5, 5), kBack);
  // A clear brush leaves the inside (and a FillRect) alone.
  r.Brush().SetStyle(bsClear);
  r.Rectangle(1, 1, 5, 5);
  r.FillRect(TRect{0, 0, 8, 8});
  EXPECT_EQ(dest->Pixel(2, 2), clYellow);
  EXPECT_EQ(dest->Pixel(0, 0), kBack);
}

TEST(TCanvasShapes, PolygonFillsWithBrushAndOutlinesWithPen) {
  auto dest = Background(10, 10);
  TCanvas& c = dest->Canvas();
  c.Pen().SetColor(clRed);
  c.Brush().SetColor(clBlue);
  c.Polygon({Point(1, 1), Point(8, 1), Point(8, 8), Point(1, 8)});
  EXPECT_EQ(dest->Pixel(1, 1), clRed);
  EXPECT_EQ(dest->Pixel(8, 8), clRed);
  EXPECT_EQ(dest->Pixel(4, 4), clBlue);
  EXPECT_EQ(dest->Pixel(9, 9), kBack);
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 10, 10}), 64);
}

TEST(TCanvasShapes, LinesLeaveOutTheirEndPixelAndMoveThePen) {
  auto dest = Background(10, 3);
  TCanvas& c = dest->Canvas();
  c.Pen().SetColor(clWhite);
  c.MoveTo(2, 1);
  c.LineTo(7, 1);
  EXPECT_EQ(c.PenPos().X, 7);
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 10, 3}), 5);
  EXPECT_EQ(dest->Pixel(2, 1), clWhite);
  EXPECT_EQ(dest->Pixel(6, 1), clWhite);
  EXPECT_EQ(dest->Pixel(7, 1), kBack);
}

TEST(TCanvasText, MeasuresInItsFontAndAgreesForByteAndWideText) {
  TBitmap bitmap(10, 10);
  TCanvas& c = bitmap.Canvas();
  c.Font().SetName(L"Tahoma");
  c.Font().SetHeight(-11);
  TSize size = c.TextExtent(std::string("Hello, World"));
  EXPECT_EQ(size.cx, 63);
  EXPECT_EQ(size.cy, 13);
  EXPECT_EQ(c.TextWidth(std::wstring(L"Hello, World")), 63);
  EXPECT_EQ(c.TextWidth(std::string("\xC3\xA9t\xC3\xA9")), c.TextWidth(std::wstring(L"\u00E9t\u00E9")));
  EXPECT_EQ(c.TextWidth(std::string()), 0);
  int normal = c.TextWidth(std::string("Wide"));
  c.Font().SetStyle(fsBold);
  EXPECT_GT(c.TextWidth(std::string("Wide")), normal);
  c.Font().SetHeight(-22);
  EXPECT_GT(c.TextHeight(std::string("Wide")), 20);
}

TEST(TCanvasText, TextOutFillsTheBackgroundOnlyWithASolidBrush) {
  for (bool solid : {true, false}) {
    auto dest = Background(60, 20);
    TCanvas& c = dest->Canvas();
    c.Font().SetName(L"Tahoma");
    c.Font().SetHeight(-11);
    c.Font().SetColor(clRed);
    c.Brush().SetColor(clWhite);
    c.Brush().SetStyle(solid ? bsSolid : bsClear);
    c.TextOut(2, 2, std::string("Hi"));
    TSize size = c.TextExtent(std::string("Hi"));
    int red = 0, white = 0, back = 0;
    for (int y = 2; y < 2 + size.cy; ++y)
      for (int x = 2; x < 2 + size.cx; ++x) {
        TColor p = dest->Pixel(x, y);
        red += p == clRed;
        white += p == clWhite;
        back += p == kBack;
      }
    EXPECT_GT(red, 5) << solid;
    EXPECT_EQ(back == 0, solid) << "background kept inside the text cell: " << back;
    EXPECT_EQ(white > 0, solid);
    EXPECT_EQ(Painted(*dest, TRect{0, 0, 60, 20}), Painted(*dest, TRect{2, 2, 2 + size.cx, 2 + size.cy}));
  }
}

TEST(TCanvasText, TextRectClipsAndDrawTextMeasures) {
  auto dest = Background(80, 20);
  TCanvas& c = dest->Canvas();
  c.Font().SetName(L"Tahoma");
  c.Font().SetHeight(-11);
  c.Font().SetColor(clBlack);
  c.Brush().SetStyle(bsClear);
  c.TextRect(TRect{0, 0, 10, 20}, 2, 2, std::string("WWWWWWWW"));
  EXPECT_GT(Painted(*dest, TRect{0, 0, 10, 20}), 0);
  EXPECT_EQ(Painted(*dest, TRect{10, 0, 80, 20}), 0);

  TRect measure{0, 0, 0, 0};
  int height = c.DrawText(std::wstring(L"Hello, World"), measure, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(measure.Width(), 63);
  EXPECT_EQ(height, 13);
  EXPECT_EQ(Painted(*dest, TRect{10, 0, 80, 20}), 0);  // measuring draws nothing
  TRect box{20, 0, 80, 20};
  c.DrawText(std::string("Hello"), box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  EXPECT_GT(Painted(*dest, TRect{20, 0, 80, 20}), 0);
}

TEST(TCanvasFocusRect, InvertsOnlyTheOutlineAndTwiceRestores) {
  auto dest = Background(12, 10);
  TCanvas& c = dest->Canvas();
  c.DrawFocusRect(TRect{2, 2, 10, 8});
  EXPECT_GT(Painted(*dest, TRect{0, 0, 12, 10}), 0);
  EXPECT_EQ(Painted(*dest, TRect{3, 3, 9, 7}), 0);
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 12, 2}), 0);
  c.DrawFocusRect(TRect{2, 2, 10, 8});
  EXPECT_EQ(Painted(*dest, TRect{0, 0, 12, 10}), 0);
}

TEST(TWindowCanvas, ClientAndWholeWindowCanvasesShareOneSurfaceWithDifferentOrigins) {
  TestWindow window(40, 40, 200, 150);
  POINT origin{0, 0};
  ClientToScreen(window.Handle(), &origin);
  RECT bounds;
  GetWindowRect(window.Handle(), &bounds);
  const int dx = origin.x - bounds.left, dy = origin.y - bounds.top;
  ASSERT_GT(dy, 0);  // a caption above the client area
  {
    TWindowCanvas client(window.Handle(), TWindowArea::waClient);
    client.Brush().SetColor(clRed);
    client.FillRect(TRect{0, 0, 5, 5});
    TWindowCanvas whole(window.Handle(), TWindowArea::waWhole);
    whole.Brush().SetColor(clLime);
    whole.FillRect(TRect{0, 0, 3, 3});
  }
  auto shot = window.Capture();
  EXPECT_EQ(shot->Pixel(dx, dy), clRed);
  EXPECT_EQ(shot->Pixel(dx + 4, dy + 4), clRed);
  EXPECT_EQ(shot->Pixel(0, 0), clLime);
  EXPECT_EQ(shot->Pixel(2, 2), clLime);
}

TEST(TCanvasDraw, DrawingHonoursTheDCsOriginAndClipping) {
  auto picture = fixtures::MakeBitmap(4, 3, [](int x, int y) { return x == 0 && y == 0 ? clFuchsia : Coded(x, y); });
  picture->SetTransparent(true);
  picture->SetTransparentColor(clFuchsia);
  struct Case {
    const char* name;
    void (*prepare)(HDC);
    std::function<bool(int x, int y)> visible;  // destination pixels the picture may cover
    TPoint at;                                   // where the picture's top-left pixel lands
  };
  const Case cases[] = {
      {"plain", [](HDC) {}, [](int, int) { return true; }, {1, 1}},
      {"viewport origin", [](HDC dc) { SetViewportOrgEx(dc, 3, 2, nullptr); }, [](int, int) { return true; }, {4, 3}},
      {"rectangular clip", [](HDC dc) { IntersectClipRect(dc, 0, 0, 3, 10); }, [](int x, int) { return x < 3; },
       {1, 1}},
      {"two-piece clip",
       [](HDC dc) {
         IntersectClipRect(dc, 0, 0, 10, 10);
         ExcludeClipRect(dc, 2, 2, 4, 3);
       },
       [](int x, int y) { return !(x >= 2 && x < 4 && y == 2); }, {1, 1}},
  };
  for (const Case& c : cases) {
    auto dest = Background(10, 8);
    HDC dc = dest->Canvas().Handle();
    int saved = SaveDC(dc);
    c.prepare(dc);
    dest->Canvas().Draw(1, 1, *picture);
    RestoreDC(dc, saved);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 10; ++x) {
        int sx = x - c.at.X, sy = y - c.at.Y;
        bool covered = sx >= 0 && sx < 4 && sy >= 0 && sy < 3 && !(sx == 0 && sy == 0) && c.visible(x, y);
        EXPECT_EQ(dest->Pixel(x, y), covered ? Coded(sx, sy) : kBack) << c.name << " at " << x << "," << y;
      }
  }
}

TEST(TCanvasDraw, TransparentDrawsLookTheSameOnABitmapAndOnAWindow) {
  auto picture = fixtures::MakeBitmap(5, 4, [](int x, int y) { return (x + y) % 3 == 0 ? clFuchsia : Coded(x, y); });
  picture->SetTransparent(true);
  picture->SetTransparentColor(clFuchsia);
  auto onBitmap = fixtures::SolidBitmap(40, 30, clWhite);
  TestWindow window(30, 30, 200, 150);
  POINT origin{0, 0};
  ClientToScreen(window.Handle(), &origin);
  RECT bounds;
  GetWindowRect(window.Handle(), &bounds);
  {
    TWindowCanvas onWindow(window.Handle(), TWindowArea::waClient);
    onWindow.Brush().SetColor(clWhite);
    onWindow.FillRect(TRect{0, 0, 40, 30});
    for (TCanvas* c : {&onBitmap->Canvas(), static_cast<TCanvas*>(&onWindow)}) {
      c->Draw(1, 1, *picture);
      c->StretchDraw(TRect{10, 2, 35, 27}, *picture);  // scaled 5x: 25 by 25
    }
  }
  auto shot = window.Capture();
  const int dx = origin.x - bounds.left, dy = origin.y - bounds.top;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(fixtures::Describe(onBitmap->Pixel(x, y)), fixtures::Describe(shot->Pixel(dx + x, dy + y)))
          << x << "," << y;
  EXPECT_EQ(onBitmap->Pixel(10 + 5 * 1 + 2, 2 + 5 * 0 + 2), Coded(1, 0));
  EXPECT_EQ(onBitmap->Pixel(10 + 2, 2 + 2), clWhite);  // (0, 0) is transparent
}
