#include "StockGlyphs.h"

#include <cmath>
#include <vector>

#include "TCanvas.h"

namespace {

constexpr int kSize = kStockGlyphSize;

void FillPolygon(TCanvas& Canvas, std::initializer_list<TPoint> Points, TColor Color) {
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Brush().SetColor(Color);
  Canvas.Pen().SetColor(Color);
  Canvas.Polygon(Points);
}

void FillCircle(TCanvas& Canvas, double CX, double CY, double Radius, TColor Color) {
  std::vector<TPoint> points;
  constexpr int kCorners = 24;
  for (int i = 0; i < kCorners; ++i) {
    const double a = 2 * 3.14159265358979 * i / kCorners;
    points.push_back(TPoint{static_cast<int>(std::lround(CX + Radius * std::cos(a))),
                            static_cast<int>(std::lround(CY + Radius * std::sin(a)))});
  }
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Brush().SetColor(Color);
  Canvas.Pen().SetColor(Color);
  Canvas.Polygon(std::span<const TPoint>(points));
}

void FillBox(TCanvas& Canvas, int Left, int Top, int Right, int Bottom, TColor Color) {
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Brush().SetColor(Color);
  Canvas.FillRect(TRect{Left, Top, Right, Bottom});
}

// A tick whose short stroke starts at (X, Y + 5 * S) and whose long stroke ends up at the right.
void Tick(TCanvas& Canvas, int X, int Y, int S, TColor Color) {
  FillPolygon(Canvas,
              {TPoint{X, Y + 5 * S}, TPoint{X + 2 * S, Y + 3 * S}, TPoint{X + 4 * S, Y + 5 * S},
               TPoint{X + 9 * S, Y}, TPoint{X + 11 * S, Y + 2 * S}, TPoint{X + 4 * S, Y + 9 * S}},
              Color);
}

// A cross centred at (C, C) with arms R long and T thick.
void Cross(TCanvas& Canvas, int C, int R, int T, TColor Color) {
  FillPolygon(Canvas,
              {TPoint{C - R, C - R + T}, TPoint{C - R + T, C - R}, TPoint{C, C - T}, TPoint{C + R - T, C - R},
               TPoint{C + R, C - R + T}, TPoint{C + T, C}, TPoint{C + R, C + R - T}, TPoint{C + R - T, C + R},
               TPoint{C, C + T}, TPoint{C - R + T, C + R}, TPoint{C - R, C + R - T}, TPoint{C - T, C}},
              Color);
}

void DrawPicture(TCanvas& Canvas, TBitBtnKind Kind) {
  const TColor green = RGB(0, 128, 0);
  const TColor red = RGB(200, 0, 0);
  const TColor navy = RGB(0, 0, 160);
  const TColor white = RGB(255, 255, 255);
  switch (Kind) {
    case bkOK:
    case bkYes:
      Tick(Canvas, 3, 3, 1, green);
      break;
    case bkCancel:
      Cross(Canvas, 9, 6, 2, red);
      break;
    case bkNo:  // a barred circle
      FillCircle(Canvas, 8.5, 8.5, 7.5, red);
      FillCircle(Canvas, 8.5, 8.5, 5, StockGlyphBackground);
      FillPolygon(Canvas, {TPoint{4, 5}, TPoint{5, 4}, TPoint{13, 12}, TPoint{12, 13}}, red);
      break;
    case bkHelp:  // a question mark on a blue disc
      FillCircle(Canvas, 8.5, 8.5, 8, navy);
      FillBox(Canvas, 6, 3, 11, 5, white);
      FillBox(Canvas, 10, 4, 12, 8, white);
      FillBox(Canvas, 8, 8, 11, 10, white);
      FillBox(Canvas, 8, 10, 10, 12, white);
      FillBox(Canvas, 8, 13, 10, 15, white);
      FillBox(Canvas, 5, 4, 7, 6, white);
      break;
    case bkClose:  // a door with its knob
      FillBox(Canvas, 4, 1, 14, 17, RGB(64, 32, 0));
      FillBox(Canvas, 5, 2, 13, 17, RGB(160, 96, 32));
      FillBox(Canvas, 10, 9, 12, 11, RGB(255, 224, 0));
      break;
    case bkAbort:  // a white cross on a red disc
      FillCircle(Canvas, 8.5, 8.5, 8, red);
      Cross(Canvas, 9, 4, 1, white);
      break;
    case bkRetry: {  // a green ring with a gap and an arrow head
      FillCircle(Canvas, 8.5, 8.5, 7.5, green);
      FillCircle(Canvas, 8.5, 8.5, 4.5, StockGlyphBackground);
      FillPolygon(Canvas, {TPoint{9, 9}, TPoint{17, 0}, TPoint{17, 9}}, StockGlyphBackground);
      FillPolygon(Canvas, {TPoint{11, 7}, TPoint{17, 7}, TPoint{17, 1}}, green);
      break;
    }
    case bkIgnore:  // an arrow passing a bar
      FillBox(Canvas, 8, 3, 10, 16, RGB(128, 128, 128));
      FillBox(Canvas, 1, 8, 12, 11, navy);
      FillPolygon(Canvas, {TPoint{11, 5}, TPoint{16, 9}, TPoint{11, 14}}, navy);
      break;
    case bkAll:  // two ticks
      Tick(Canvas, 0, 1, 1, RGB(0, 96, 0));
      Tick(Canvas, 6, 7, 1, green);
      break;
    case bkCustom:
      break;
  }
}

// The second frame: the picture's shape in grey, with a light edge down and to the right, as the
// platform draws disabled pictures.
void DrawGrayedFrame(TBitmap& Glyph) {
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      if (Glyph.Pixel(x, y) == StockGlyphBackground) continue;
      if (x + 1 < kSize && y + 1 < kSize && Glyph.Pixel(x + 1, y + 1) == StockGlyphBackground)
        Glyph.SetPixel(kSize + x + 1, y + 1, RGB(255, 255, 255));
    }
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (Glyph.Pixel(x, y) != StockGlyphBackground) Glyph.SetPixel(kSize + x, y, RGB(128, 128, 128));
}

}  // namespace

std::unique_ptr<TBitmap> CreateStockGlyph(TBitBtnKind Kind) {
  if (Kind == bkCustom) return nullptr;
  auto glyph = std::make_unique<TBitmap>(2 * kSize, kSize);
  TCanvas& canvas = glyph->Canvas();
  canvas.Brush().SetColor(StockGlyphBackground);
  canvas.FillRect(TRect{0, 0, 2 * kSize, kSize});
  DrawPicture(canvas, Kind);
  DrawGrayedFrame(*glyph);
  glyph->SetTransparentColor(StockGlyphBackground);
  glyph->SetTransparent(true);
  return glyph;
}
