#include "BitmapColors.h"

#include <cstdint>
#include <cstring>

namespace {
inline uint32_t Bgr(COLORREF c) {
  return uint32_t(GetBValue(c)) | uint32_t(GetGValue(c)) << 8 | uint32_t(GetRValue(c)) << 16;
}
}  // namespace

void ReplaceBitmapColor(TBitmap& Bitmap, TColor OldColor, TColor NewColor) {
  if (Bitmap.Empty() || OldColor == clNone || NewColor == clNone) return;
  const uint32_t from = Bgr(ToColorRef(OldColor)), to = Bgr(ToColorRef(NewColor));
  const int width = Bitmap.Width();
  for (int y = 0; y < Bitmap.Height(); ++y) {
    uint8_t* p = Bitmap.ScanLine(y);
    // One 32-bit read per pixel (its top byte belongs to the next pixel and is masked off); writes
    // only on a match, three bytes, so no write overlaps the next read. The row's last pixel is
    // read byte-wise so nothing beyond the row is touched.
    for (int x = 0; x < width - 1; ++x, p += 3) {
      uint32_t word;
      std::memcpy(&word, p, 4);
      if ((word & 0x00FFFFFF) == from) std::memcpy(p, &to, 3);
    }
    if ((uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16) == from) {
      p[0] = static_cast<uint8_t>(to);
      p[1] = static_cast<uint8_t>(to >> 8);
      p[2] = static_cast<uint8_t>(to >> 16);
    }
  }
}
