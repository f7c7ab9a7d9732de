#pragma once
#include <cstdint>
#include <memory>

// Memory for 24-bit pixels in device-independent bitmap layout: rows bottom-up, blue-green-red,
// each row padded to a multiple of 4 bytes. On Windows the memory is a DIB section, so a
// toolkit bitmap can take the buffer over as it is; elsewhere it is plain heap memory.
class PixelBuffer {
public:
  virtual ~PixelBuffer() = default;
  uint8_t* Bits() const { return FBits; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Stride() const { return StrideFor(FWidth); }
  static int StrideFor(int width) { return (width * 3 + 3) & ~3; }
  // Platform handle of the buffer (the HBITMAP of the DIB section on Windows, else null).
  virtual void* NativeHandle() const { return nullptr; }

  // Allocates a zero-filled buffer; width and height must be positive.
  static std::unique_ptr<PixelBuffer> Create(int width, int height);

protected:
  PixelBuffer(uint8_t* bits, int width, int height) : FBits(bits), FWidth(width), FHeight(height) {}
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;

private:
  uint8_t* FBits;
  int FWidth;
  int FHeight;
};
