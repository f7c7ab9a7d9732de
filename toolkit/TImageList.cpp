#include "TImageList.h"

#include <algorithm>
#include <cstring>

#include "PixelBlt.h"
#include "TCanvas.h"

namespace {
// Key for the grey copy of a disabled image: greys have equal channels, so magenta never clashes.
constexpr COLORREF kDisabledKey = RGB(255, 0, 255);

inline bool SameColor(const uint8_t* p, COLORREF c) {
  return p[0] == GetBValue(c) && p[1] == GetGValue(c) && p[2] == GetRValue(c);
}
}  // namespace

TImageList::TImageList(int width, int height) : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)) {}

int TImageList::Add(const TBitmap& image) { return Append(image, false, clNone); }
int TImageList::Add(TBitmap&& image) { return AppendAdopted(std::move(image), false, clNone); }
int TImageList::AddMasked(const TBitmap& image, TColor maskColor) { return Append(image, true, maskColor); }
int TImageList::AddMasked(TBitmap&& image, TColor maskColor) {
  return AppendAdopted(std::move(image), true, maskColor);
}

int TImageList::AppendAdopted(TBitmap&& image, bool masked, TColor maskColor) {
  if (FEntries.empty() && FWidth > 0 && FHeight > 0 && !image.Empty() && image.Height() == FHeight &&
      image.Width() % FWidth == 0) {
    int n = image.Width() / FWidth;
    FStrip.Adopt(image.TakeBuffer());
    FEntries.assign(static_cast<size_t>(n), TImageEntry{masked, ToColorRef(maskColor)});
    return 0;
  }
  return Append(image, masked, maskColor);
}

int TImageList::Append(const TBitmap& image, bool masked, TColor maskColor) {
  if (FWidth <= 0 || FHeight <= 0 || image.Empty()) return -1;
  int n = image.Width() / FWidth;
  if (n == 0) return -1;
  int first = Count();
  int oldWidth = first * FWidth;
  auto strip = PixelBuffer::Create(oldWidth + n * FWidth, FHeight);
  int stride = strip->Stride();
  int rows = std::min(FHeight, image.Height());
  for (int y = 0; y < FHeight; ++y) {
    uint8_t* row = strip->Bits() + static_cast<ptrdiff_t>(FHeight - 1 - y) * stride;
    if (first > 0) std::memcpy(row, FStrip.ScanLine(y), static_cast<size_t>(oldWidth) * 3);
    if (y < rows) std::memcpy(row + oldWidth * 3, image.ScanLine(y), static_cast<size_t>(n) * FWidth * 3);
  }
  FStrip.Adopt(std::move(strip));
  FEntries.insert(FEntries.end(), static_cast<size_t>(n), TImageEntry{masked, ToColorRef(maskColor)});
  return first;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count() || !canvas.Handle()) return;
  const TImageEntry& entry = FEntries[static_cast<size_t>(index)];
  HDC dest = canvas.Handle();
  if (enabled) {
    BlitPixels(dest, x, y, FStrip, TRect{index * FWidth, 0, (index + 1) * FWidth, FHeight}, entry.Masked, entry.Key);
    return;
  }
  TBitmap grey(FWidth, FHeight);
  for (int row = 0; row < FHeight; ++row) {
    const uint8_t* s = FStrip.ScanLine(row) + index * FWidth * 3;
    uint8_t* d = grey.ScanLine(row);
    for (int i = 0; i < FWidth; ++i, s += 3, d += 3) {
      if (entry.Masked && SameColor(s, entry.Key)) {
        d[0] = GetBValue(kDisabledKey);
        d[1] = GetGValue(kDisabledKey);
        d[2] = GetRValue(kDisabledKey);
        continue;
      }
      int luminance = (s[2] * 77 + s[1] * 151 + s[0] * 28) >> 8;
      d[0] = d[1] = d[2] = static_cast<uint8_t>(128 + luminance / 2);
    }
  }
  BlitPixels(dest, x, y, grey, TRect{0, 0, FWidth, FHeight}, entry.Masked, kDisabledKey);
}

bool TImageList::GetBitmap(int index, TBitmap& image) const {
  if (index < 0 || index >= Count()) return false;
  const TImageEntry& entry = FEntries[static_cast<size_t>(index)];
  image.Clear();  // a fresh buffer: nothing of the old pixels needs keeping
  image.SetSize(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y)
    std::memcpy(image.ScanLine(y), FStrip.ScanLine(y) + index * FWidth * 3, static_cast<size_t>(FWidth) * 3);
  image.SetTransparent(entry.Masked);
  if (entry.Masked) image.SetTransparentColor(static_cast<TColor>(entry.Key));
  return true;
}

void TImageList::Clear() {
  FStrip.Clear();
  FEntries.clear();
}
