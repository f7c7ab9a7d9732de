#include "GalleryImages.h"

#include "TBitmap.h"
#include "TCanvas.h"
#include "TImageList.h"

namespace {

constexpr TColor kMask = clFuchsia;

// Every pixel whose centre lies within Radius of (CX, CY): the canvas has no ellipse, and a
// pixel rule keeps the edge identical on every GDI.
void FillCircle(TBitmap& Bitmap, int Left, double CX, double CY, double Radius, TColor Color) {
  for (int y = 0; y < Bitmap.Height(); ++y)
    for (int x = Left; x < Left + kGalleryGlyphSize && x < Bitmap.Width(); ++x) {
      const double dx = (x - Left) + 0.5 - CX, dy = y + 0.5 - CY;
      if (dx * dx + dy * dy <= Radius * Radius) Bitmap.SetPixel(x, y, Color);
    }
}

void Solid(TCanvas& C, TColor Fill, TColor Line) {
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(Fill);
  C.Pen().SetStyle(psSolid);
  C.Pen().SetWidth(1);
  C.Pen().SetColor(Line);
}

void DrawGlyph(TBitmap& B, int L, TGalleryGlyph Glyph) {
  TCanvas& C = B.Canvas();
  switch (Glyph) {
    case ggNew:
      Solid(C, clWhite, clBlack);
      C.Polygon({{L + 3, 1}, {L + 10, 1}, {L + 13, 4}, {L + 13, 14}, {L + 3, 14}});
      C.MoveTo(L + 10, 1);
      C.LineTo(L + 10, 4);
      C.LineTo(L + 14, 4);
      Solid(C, clGray, clGray);
      for (int y = 6; y <= 12; y += 2) C.FillRect(TRect{L + 5, y, L + 11, y + 1});
      break;
    case ggOpen:
    case ggFolder: {
      const TColor body = Glyph == ggOpen ? TColor(0x00C8FF) : TColor(0x40A0E0);
      Solid(C, body, clOlive);
      C.Rectangle(L + 1, 3, L + 7, 6);
      C.Rectangle(L + 1, 5, L + 15, 14);
      if (Glyph == ggOpen) {
        Solid(C, TColor(0x80E8FF), clOlive);
        C.Polygon({{L + 3, 8}, {L + 15, 8}, {L + 13, 13}, {L + 1, 13}});
      }
      break;
    }
    case ggSave:
      Solid(C, clNavy, clBlack);
      C.Rectangle(L + 1, 1, L + 15, 15);
      Solid(C, clWhite, clWhite);
      C.FillRect(TRect{L + 4, 2, L + 12, 7});
      Solid(C, clSilver, clSilver);
      C.FillRect(TRect{L + 4, 10, L + 12, 14});
      Solid(C, clNavy, clNavy);
      C.FillRect(TRect{L + 9, 11, L + 11, 13});
      break;
    case ggColour: {
      const TColor quarters[4] = {clRed, clLime, clBlue, clYellow};
      for (int i = 0; i < 4; ++i) {
        Solid(C, quarters[i], quarters[i]);
        const int x = L + 2 + (i % 2) * 6, y = 2 + (i / 2) * 6;
        C.FillRect(TRect{x, y, x + 6, y + 6});
      }
      Solid(C, clBlack, clBlack);
      C.FrameRect(TRect{L + 1, 1, L + 15, 15});
      break;
    }
    case ggInfo:
      FillCircle(B, L, 8, 8, 7.2, TColor(0xB05000));
      Solid(C, clWhite, clWhite);
      C.FillRect(TRect{L + 7, 3, L + 9, 5});
      C.FillRect(TRect{L + 7, 6, L + 9, 13});
      break;
    case ggExit:
      Solid(C, clRed, clRed);
      C.Pen().SetWidth(3);
      C.MoveTo(L + 3, 3);
      C.LineTo(L + 13, 13);
      C.MoveTo(L + 12, 3);
      C.LineTo(L + 2, 13);
      break;
    case ggGlyphCount:
      break;
  }
}

}  // namespace

std::unique_ptr<TImageList> CreateGalleryGlyphs() {
  TBitmap strip(kGalleryGlyphSize * ggGlyphCount, kGalleryGlyphSize);
  strip.Canvas().Brush().SetColor(kMask);
  strip.Canvas().FillRect(TRect{0, 0, strip.Width(), strip.Height()});
  for (int i = 0; i < ggGlyphCount; ++i) DrawGlyph(strip, i * kGalleryGlyphSize, TGalleryGlyph(i));
  auto list = std::make_unique<TImageList>(kGalleryGlyphSize, kGalleryGlyphSize);
  list->AddMasked(std::move(strip), kMask);
  return list;
}

std::unique_ptr<TBitmap> CreateGalleryGlyph(TGalleryGlyph Glyph) {
  auto bitmap = std::make_unique<TBitmap>(kGalleryGlyphSize, kGalleryGlyphSize);
  bitmap->Canvas().Brush().SetColor(kMask);
  bitmap->Canvas().FillRect(TRect{0, 0, kGalleryGlyphSize, kGalleryGlyphSize});
  DrawGlyph(*bitmap, 0, Glyph);
  bitmap->SetTransparentColor(kMask);
  bitmap->SetTransparent(true);
  return bitmap;
}

void DrawLandscape(TBitmap& Bitmap) {
  const int w = Bitmap.Width(), h = Bitmap.Height();
  TCanvas& C = Bitmap.Canvas();
  C.Pen().SetStyle(psClear);
  // Sky from deep to pale blue, one band per row.
  for (int y = 0; y < h; ++y) {
    const int t = h > 1 ? y * 255 / (h - 1) : 0;
    C.Brush().SetColor(RGB(40 + t * 150 / 255, 90 + t * 130 / 255, 200 + t * 55 / 255));
    C.FillRect(TRect{0, y, w, y + 1});
  }
  // The sun: a disc of pixels (the canvas has no ellipse).
  const double sx = w * 0.75, sy = h * 0.3, r = h * 0.14;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double dx = x + 0.5 - sx, dy = y + 0.5 - sy;
      if (dx * dx + dy * dy <= r * r) Bitmap.SetPixel(x, y, RGB(255, 220, 60));
    }
  C.Pen().SetStyle(psSolid);
  C.Pen().SetColor(RGB(20, 100, 30));
  C.Brush().SetColor(RGB(60, 150, 60));
  C.Polygon({{0, h * 2 / 3}, {w / 4, h / 2}, {w / 2, h * 2 / 3}, {w * 3 / 4, h * 11 / 20}, {w - 1, h * 7 / 10},
             {w - 1, h - 1}, {0, h - 1}});
  C.Brush().SetColor(RGB(40, 120, 40));
  C.Polygon({{0, h * 5 / 6}, {w / 3, h * 3 / 4}, {w * 2 / 3, h * 17 / 20}, {w - 1, h * 4 / 5}, {w - 1, h - 1},
             {0, h - 1}});
}
