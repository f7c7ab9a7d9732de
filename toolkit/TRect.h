#pragma once
#include <windows.h>

// Geometry of the toolkit. Right and Bottom are exclusive, as in the platform's RECT.
struct TPoint {
  int X = 0;
  int Y = 0;
};

struct TSize {
  int cx = 0;
  int cy = 0;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  // True when the rectangle covers no pixel (zero or negative width or height).
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  RECT ToRECT() const { return RECT{Left, Top, Right, Bottom}; }
  static TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }
  bool operator==(const TRect&) const = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TPoint Point(int x, int y) { return TPoint{x, y}; }
