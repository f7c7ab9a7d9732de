#include "MenuBitmap.h"

#include <cstdint>

#include "TBitmap.h"

GdiObject<HBITMAP> CreateMenuItemBitmap(const TBitmap& Source) {
  const int width = Source.Width(), height = Source.Height();
  if (Source.Empty() || width <= 0 || height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, like the source rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> result(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!result || !bits) return {};

  const bool transparent = Source.Transparent();
  const COLORREF key = static_cast<COLORREF>(Source.TransparentColor()) & 0xFFFFFF;
  auto* out = static_cast<uint8_t*>(bits);
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = Source.ScanLine(y);
    for (int x = 0; x < width; ++x, in += 3, out += 4) {
      const COLORREF pixel = RGB(in[2], in[1], in[0]);
      if (transparent && pixel == key) {
        out[0] = out[1] = out[2] = out[3] = 0;
      } else {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
        out[3] = 0xFF;
      }
    }
  }
  GdiFlush();
  return result;
}
