#include "ArrowGlyphs.h"

#include <array>

namespace {

using Triangle = std::array<TPoint, 3>;

void Fill(TCanvas& canvas, const Triangle& points, int offset, TColor color) {
  canvas.Pen().SetColor(color);
  canvas.Brush().SetColor(color);
  canvas.Brush().SetStyle(bsSolid);
  Triangle moved = points;
  for (TPoint& p : moved) p.X += offset, p.Y += offset;
  canvas.Polygon(moved);
}

void DrawArrow(TCanvas& canvas, const Triangle& points, bool enabled) {
  if (enabled) {
    Fill(canvas, points, 0, clBlack);
    return;
  }
  Fill(canvas, points, 1, clWhite);
  Fill(canvas, points, 0, clGray);
}

}  // namespace

void DrawArrowDown(TCanvas& Canvas, int X, int Y, bool Enabled) {
  DrawArrow(Canvas, {{{X, Y}, {X + 6, Y}, {X + 3, Y + 3}}}, Enabled);
}

void DrawArrowUp(TCanvas& Canvas, int X, int Y, bool Enabled) {
  DrawArrow(Canvas, {{{X, Y}, {X - 3, Y + 3}, {X + 3, Y + 3}}}, Enabled);
}

void DrawArrowLeft(TCanvas& Canvas, int X, int Y, bool Enabled) {
  DrawArrow(Canvas, {{{X, Y}, {X + 3, Y + 3}, {X + 3, Y - 3}}}, Enabled);
}

void DrawArrowRight(TCanvas& Canvas, int X, int Y, bool Enabled) {
  DrawArrow(Canvas, {{{X, Y}, {X, Y + 6}, {X + 3, Y + 3}}}, Enabled);
}
