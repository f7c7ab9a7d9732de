#include "OffscreenBuffer.h"

#include <algorithm>

#include "FormsErrors.h"

namespace {
HBITMAP MakeBitmap(HDC Target, int Width, int Height) {
  HBITMAP bitmap = CreateCompatibleBitmap(Target, std::max(Width, 1), std::max(Height, 1));
  if (!bitmap) throw EOutOfResources("Out of system resources (off-screen bitmap)");
  return bitmap;
}
}  // namespace

TOffscreenBuffer::TOffscreenBuffer(HDC Target, int Width, int Height)
    : FBitmap(MakeBitmap(Target, Width, Height)), FSelection(FDC.Get(), FBitmap.Get()) {}

void TOffscreenBuffer::CopyTo(HDC Target, const RECT& Rect) const {
  BitBlt(Target, Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top, FDC.Get(), Rect.left, Rect.top,
         SRCCOPY);
}
