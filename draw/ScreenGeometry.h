#pragma once
#include "TRect.h"

// The desktop work area, its Bottom one pixel up (the last row that belongs to it).
void GetWorkAreaRect(TRect& Rect);

// Whether (X, Y) lies in Rect with all four edges counted as inside.
inline bool PointInRect(int X, int Y, const TRect& Rect) {
  return Rect.Left <= X && X <= Rect.Right && Rect.Top <= Y && Y <= Rect.Bottom;
}
inline bool PointInRect(const TPoint& P, const TRect& Rect) { return PointInRect(P.X, P.Y, Rect); }
