#include "PixelBuffer.h"

#include <cstring>
#include <new>

#include "SkinError.h"

#ifdef _WIN32
#include <windows.h>

namespace {
// A DIB section: GDI draws from it and pixel code addresses it as plain memory.
class DibPixelBuffer final : public PixelBuffer {
public:
  DibPixelBuffer(HBITMAP bitmap, uint8_t* bits, int width, int height)
      : PixelBuffer(bits, width, height), FBitmap(bitmap) {}
  ~DibPixelBuffer() override { DeleteObject(FBitmap); }
  void* NativeHandle() const override { return FBitmap; }

private:
  HBITMAP FBitmap;
};
}  // namespace

std::unique_ptr<PixelBuffer> PixelBuffer::Create(int width, int height) {
  if (width <= 0 || height <= 0) throw EInvalidGraphic("Bitmap size must be positive");
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    throw EInvalidGraphic("Out of system resources for a " + std::to_string(width) + "x" + std::to_string(height) +
                          " bitmap");
  }
  // DIB sections start zero-filled.
  return std::unique_ptr<PixelBuffer>(new DibPixelBuffer(bitmap, static_cast<uint8_t*>(bits), width, height));
}

#else

namespace {
class HeapPixelBuffer final : public PixelBuffer {
public:
  HeapPixelBuffer(std::unique_ptr<uint8_t[]> bits, int width, int height)
      : PixelBuffer(bits.get(), width, height), FStorage(std::move(bits)) {}

private:
  std::unique_ptr<uint8_t[]> FStorage;
};
}  // namespace

std::unique_ptr<PixelBuffer> PixelBuffer::Create(int width, int height) {
  if (width <= 0 || height <= 0) throw EInvalidGraphic("Bitmap size must be positive");
  size_t bytes = static_cast<size_t>(StrideFor(width)) * static_cast<size_t>(height);
  std::unique_ptr<uint8_t[]> bits(new (std::nothrow) uint8_t[bytes]());
  if (!bits) throw EInvalidGraphic("Out of memory for a " + std::to_string(width) + "x" + std::to_string(height) + " bitmap");
  return std::make_unique<HeapPixelBuffer>(std::move(bits), width, height);
}
#endif
