#include "PixelBlt.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The 24-bit DIB section selected into a DC, when the DC's coordinates are its pixels.
struct DibTarget {
  uint8_t* bits = nullptr;
  HBITMAP handle = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  bool bottomUp = true;
  RECT clip{};

  uint8_t* Row(int y) const { return bits + static_cast<ptrdiff_t>(bottomUp ? height - 1 - y : y) * stride; }
};

bool Describe(HDC dc, DibTarget& target) {
  if (!dc) return false;
  auto bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  DIBSECTION dib{};
  if (!bitmap || GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib)) return false;  // not a DIB section
  if (dib.dsBm.bmBitsPixel != 24 || !dib.dsBm.bmBits || dib.dsBmih.biCompression != BI_RGB) return false;
  if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE || GetLayout(dc) != 0) return false;
  POINT viewport{}, window{};
  GetViewportOrgEx(dc, &viewport);
  GetWindowOrgEx(dc, &window);
  if (viewport.x || viewport.y || window.x || window.y) return false;
  int clip = GetClipBox(dc, &target.clip);
  if (clip == ERROR || clip == COMPLEXREGION) return false;
  if (clip == NULLREGION) target.clip = RECT{0, 0, 0, 0};
  target.bits = static_cast<uint8_t*>(dib.dsBm.bmBits);
  target.handle = bitmap;
  target.width = dib.dsBm.bmWidth;
  target.height = std::abs(dib.dsBmih.biHeight);
  target.stride = dib.dsBm.bmWidthBytes;
  target.bottomUp = dib.dsBmih.biHeight > 0;
  return true;
}

void CopyRow(uint8_t* d, const uint8_t* s, int count, bool keyed, uint32_t key) {
  if (!keyed) {
    std::memcpy(d, s, static_cast<size_t>(count) * 3);
    return;
  }
  for (int i = 0; i < count; ++i, s += 3, d += 3)
    if ((uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16) != key) std::memcpy(d, s, 3);
}

}  // namespace

bool CanBlitToMemory(HDC dest) {
  DibTarget target;
  return Describe(dest, target);
}

void BlitPixels(HDC dest, int x, int y, const TBitmap& source, const TRect& sourceRect, bool keyed, COLORREF key) {
  if (!dest || source.Empty() || sourceRect.IsEmpty()) return;
  DibTarget target;
  // Drawing a bitmap onto itself goes through GDI, which copes with the overlap.
  if (!Describe(dest, target) || target.handle == source.Handle()) {
    HDC from = source.SourceDC();
    if (keyed)
      TransparentBlt(dest, x, y, sourceRect.Width(), sourceRect.Height(), from, sourceRect.Left, sourceRect.Top,
                     sourceRect.Width(), sourceRect.Height(), key);
    else
      BitBlt(dest, x, y, sourceRect.Width(), sourceRect.Height(), from, sourceRect.Left, sourceRect.Top, SRCCOPY);
    return;
  }
  // Clip the source to the bitmap, then the destination to the clip box and the DIB.
  TRect s = sourceRect;
  if (s.Left < 0) x -= s.Left, s.Left = 0;
  if (s.Top < 0) y -= s.Top, s.Top = 0;
  s.Right = std::min(s.Right, source.Width());
  s.Bottom = std::min(s.Bottom, source.Height());
  const int left = std::max({x, static_cast<int>(target.clip.left), 0});
  const int top = std::max({y, static_cast<int>(target.clip.top), 0});
  const int right = std::min({x + s.Width(), static_cast<int>(target.clip.right), target.width});
  const int bottom = std::min({y + s.Height(), static_cast<int>(target.clip.bottom), target.height});
  if (right <= left || bottom <= top) return;
  GdiFlush();  // earlier GDI drawing on the target must have landed before the memory is touched
  const uint32_t bgr = uint32_t(GetBValue(key)) | uint32_t(GetGValue(key)) << 8 | uint32_t(GetRValue(key)) << 16;
  for (int row = top; row < bottom; ++row)
    CopyRow(target.Row(row) + left * 3, source.ScanLine(s.Top + row - y) + (s.Left + left - x) * 3, right - left,
            keyed, bgr);
}
