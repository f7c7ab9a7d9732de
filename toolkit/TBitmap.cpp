#include "TBitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "TBitmapCanvas.h"

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(SkinImage&& image)
    : FTransparent(image.Transparent()),
      FTransparentMode(image.TransparentMode()),
      FTransparentColor(image.TransparentColor()) {
  Adopt(image.TakeBuffer());
}

TBitmap::~TBitmap() {
  FCanvas.reset();  // deselects the DIB section before the buffer goes
}

void TBitmap::ReplaceBuffer(std::unique_ptr<PixelBuffer> buffer, int width, int height) {
  if (FCanvas) FCanvas->Bind(nullptr);
  FBuffer = std::move(buffer);
  FWidth = width;
  FHeight = height;
  if (FCanvas && FBuffer) FCanvas->Bind(static_cast<HBITMAP>(FBuffer->NativeHandle()));
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight) return;
  if (width == 0 || height == 0) {
    ReplaceBuffer(nullptr, width, height);
    return;
  }
  auto buffer = PixelBuffer::Create(width, height);
  if (FBuffer) {
    int rows = std::min(height, FHeight);
    size_t bytes = static_cast<size_t>(std::min(width, FWidth)) * 3;
    int stride = PixelBuffer::StrideFor(width);
    for (int y = 0; y < rows; ++y)
      std::memcpy(buffer->Bits() + static_cast<ptrdiff_t>(height - 1 - y) * stride, ScanLine(y), bytes);
  }
  ReplaceBuffer(std::move(buffer), width, height);
}

void TBitmap::Clear() { ReplaceBuffer(nullptr, 0, 0); }

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  if (source.Empty()) {
    ReplaceBuffer(nullptr, source.FWidth, source.FHeight);
    return;
  }
  GdiFlush();
  size_t bytes = static_cast<size_t>(source.Stride()) * static_cast<size_t>(source.FHeight);
  if (FBuffer && FWidth == source.FWidth && FHeight == source.FHeight) {
    std::memcpy(FBuffer->Bits(), source.FBuffer->Bits(), bytes);
    return;
  }
  auto buffer = PixelBuffer::Create(source.FWidth, source.FHeight);
  std::memcpy(buffer->Bits(), source.FBuffer->Bits(), bytes);
  ReplaceBuffer(std::move(buffer), source.FWidth, source.FHeight);
}

void TBitmap::Adopt(std::unique_ptr<PixelBuffer> buffer) {
  if (!buffer) {
    Clear();
    return;
  }
  if (!buffer->NativeHandle()) throw std::invalid_argument("A toolkit bitmap needs a DIB section buffer");
  int width = buffer->Width();
  int height = buffer->Height();
  ReplaceBuffer(std::move(buffer), width, height);
}

std::unique_ptr<PixelBuffer> TBitmap::TakeBuffer() {
  if (FCanvas) FCanvas->Bind(nullptr);
  FWidth = 0;
  FHeight = 0;
  GdiFlush();
  return std::move(FBuffer);
}

TBitmapCanvas& TBitmap::EnsureCanvas() const {
  if (!FCanvas) {
    FCanvas = std::make_unique<TBitmapCanvas>();
    if (FBuffer) FCanvas->Bind(static_cast<HBITMAP>(FBuffer->NativeHandle()));
  }
  return *FCanvas;
}

TCanvas& TBitmap::Canvas() { return EnsureCanvas(); }

HDC TBitmap::SourceDC() const { return FBuffer ? EnsureCanvas().Handle() : nullptr; }

HBITMAP TBitmap::Handle() const { return FBuffer ? static_cast<HBITMAP>(FBuffer->NativeHandle()) : nullptr; }

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == TTransparentMode::tmFixed) return FTransparentColor;
  return Empty() ? clNone : Pixel(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  FTransparentColor = color;
  FTransparentMode = TTransparentMode::tmFixed;
}

uint8_t* TBitmap::ScanLine(int y) {
  GdiFlush();
  return FBuffer->Bits() + static_cast<ptrdiff_t>(FHeight - 1 - y) * Stride();
}

const uint8_t* TBitmap::ScanLine(int y) const {
  GdiFlush();
  return FBuffer->Bits() + static_cast<ptrdiff_t>(FHeight - 1 - y) * Stride();
}

TColor TBitmap::Pixel(int x, int y) const {
  if (!FBuffer || x < 0 || y < 0 || x >= FWidth || y >= FHeight) return clNone;
  const uint8_t* p = ScanLine(y) + x * 3;
  return TColor(p[2]) | TColor(p[1]) << 8 | TColor(p[0]) << 16;
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (!FBuffer || x < 0 || y < 0 || x >= FWidth || y >= FHeight || color == clNone) return;
  COLORREF rgb = ToColorRef(color);
  uint8_t* p = ScanLine(y) + x * 3;
  p[0] = GetBValue(rgb);
  p[1] = GetGValue(rgb);
  p[2] = GetRValue(rgb);
}
