#pragma once
#include <cstdint>
#include <memory>

#include "PixelBuffer.h"

enum class TTransparentMode { tmAuto, tmFixed };

// A decoded 24-bit skin bitmap. Colours are 0x00BBGGRR numbers; (0, 0) is the top-left pixel.
class SkinImage {
public:
  SkinImage(int width, int height);  // zero-filled (black); width and height must be positive
  explicit SkinImage(std::unique_ptr<PixelBuffer> buffer);

  int Width() const { return FBuffer->Width(); }
  int Height() const { return FBuffer->Height(); }
  int Stride() const { return FBuffer->Stride(); }
  // Start of row y counted from the top, in blue-green-red byte order.
  uint8_t* Row(int y) { return FBuffer->Bits() + static_cast<ptrdiff_t>(Height() - 1 - y) * Stride(); }
  const uint8_t* Row(int y) const { return FBuffer->Bits() + static_cast<ptrdiff_t>(Height() - 1 - y) * Stride(); }
  uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, uint32_t color);

  // Transparency as the skin declares it (the reader sets a fixed colour on every bitmap).
  bool Transparent() const { return FTransparent; }
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  int32_t TransparentColor() const { return FTransparentColor; }
  void SetTransparent(bool value) { FTransparent = value; }
  void SetTransparentMode(TTransparentMode mode) { FTransparentMode = mode; }
  void SetTransparentColor(int32_t color) { FTransparentColor = color; }

  const PixelBuffer& Buffer() const { return *FBuffer; }
  // Hands the pixel memory to a new owner (a toolkit bitmap); the image is unusable afterwards.
  std::unique_ptr<PixelBuffer> TakeBuffer() { return std::move(FBuffer); }

private:
  std::unique_ptr<PixelBuffer> FBuffer;
  bool FTransparent = false;
  TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
  int32_t FTransparentColor = -1;
};
