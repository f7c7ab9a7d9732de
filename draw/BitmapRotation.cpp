#include "BitmapRotation.h"

#include <cstdint>
#include <cstring>
#include <vector>

// Every rotation gives the same pixels as building the turned picture in a new bitmap and taking
// its size and contents over; where the size does not change (half turns, quarter turns of squares)
// the pixels are moved within the bitmap's own memory instead, which saves the new memory's
// first-touch cost.

namespace {

inline void CopyPixel(uint8_t* d, const uint8_t* s) { std::memcpy(d, s, 3); }

std::vector<uint8_t*> Rows(TBitmap& bitmap) {
  std::vector<uint8_t*> rows(static_cast<size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) rows[static_cast<size_t>(y)] = bitmap.ScanLine(y);
  return rows;
}

// Quarter turn of an n x n bitmap in place: each pixel moves along a cycle of four positions.
void RotateSquare(TBitmap& bitmap, bool clockwise) {
  const int n = bitmap.Width();
  std::vector<uint8_t*> rows = Rows(bitmap);
  auto at = [&](int x, int y) { return rows[static_cast<size_t>(y)] + x * 3; };
  for (int y = 0; y < n / 2; ++y) {
    for (int x = y; x < n - 1 - y; ++x) {
      // The four positions of one cycle, in the order a quarter counter-clockwise turn moves a
      // pixel: (x, y) -> (y, n-1-x) -> (n-1-x, n-1-y) -> (n-1-y, x) -> (x, y).
      uint8_t* p0 = at(x, y);
      uint8_t* p1 = at(y, n - 1 - x);
      uint8_t* p2 = at(n - 1 - x, n - 1 - y);
      uint8_t* p3 = at(n - 1 - y, x);
      uint8_t saved[3];
      if (clockwise) {  // every pixel moves one step backwards along the cycle
        CopyPixel(saved, p0);
        CopyPixel(p0, p1);
        CopyPixel(p1, p2);
        CopyPixel(p2, p3);
        CopyPixel(p3, saved);
      } else {
        CopyPixel(saved, p3);
        CopyPixel(p3, p2);
        CopyPixel(p2, p1);
        CopyPixel(p1, p0);
        CopyPixel(p0, saved);
      }
    }
  }
}

// Quarter turn into new memory: new row r is an old column read top to bottom (counter-clockwise,
// old column W-1-r) or bottom to top (clockwise, old column r).
void RotateIntoNew(TBitmap& bitmap, bool clockwise) {
  const int W = bitmap.Width(), H = bitmap.Height();
  const std::vector<uint8_t*> rows = Rows(bitmap);
  TBitmap rotated(H, W);
  for (int r = 0; r < W; ++r) {
    uint8_t* d = rotated.ScanLine(r);
    if (clockwise) {  // new (H - 1 - y, x) = old (x, y)
      const int offset = r * 3;
      for (int y = H - 1; y >= 0; --y, d += 3) CopyPixel(d, rows[static_cast<size_t>(y)] + offset);
    } else {  // new (y, W - 1 - x) = old (x, y)
      const int offset = (W - 1 - r) * 3;
      for (int y = 0; y < H; ++y, d += 3) CopyPixel(d, rows[static_cast<size_t>(y)] + offset);
    }
  }
  bitmap.Adopt(rotated.TakeBuffer());
}

void RotateQuarter(TBitmap& bitmap, bool clockwise) {
  if (bitmap.Empty()) return;
  if (bitmap.Width() == bitmap.Height())
    RotateSquare(bitmap, clockwise);
  else
    RotateIntoNew(bitmap, clockwise);
}

// Reverses the pixel order of a row of width pixels, or swaps two rows reversing both.
void SwapReversed(uint8_t* a, uint8_t* b, int width) {
  uint8_t saved[3];
  for (int i = 0, j = width - 1; i < width; ++i, --j) {
    if (a == b && i >= j) break;  // one row: meet in the middle
    CopyPixel(saved, a + i * 3);
    CopyPixel(a + i * 3, b + j * 3);
    CopyPixel(b + j * 3, saved);
  }
}

}  // namespace

void RotateBitmap90CCW(TBitmap& Bitmap) { RotateQuarter(Bitmap, false); }

void RotateBitmap90CW(TBitmap& Bitmap) { RotateQuarter(Bitmap, true); }

void RotateBitmap180(TBitmap& Bitmap) {
  if (Bitmap.Empty()) return;
  const int W = Bitmap.Width(), H = Bitmap.Height();
  std::vector<uint8_t*> rows = Rows(Bitmap);
  // Row y and row H-1-y swap places, each reversed; an odd middle row reverses in place.
  for (int y = 0, z = H - 1; y <= z; ++y, --z)
    SwapReversed(rows[static_cast<size_t>(y)], rows[static_cast<size_t>(z)], W);
}
