#include "SkinImage.h"

SkinImage::SkinImage(int width, int height) : FBuffer(PixelBuffer::Create(width, height)) {}

SkinImage::SkinImage(std::unique_ptr<PixelBuffer> buffer) : FBuffer(std::move(buffer)) {}

uint32_t SkinImage::Pixel(int x, int y) const {
  const uint8_t* p = Row(y) + x * 3;
  return uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16;
}

void SkinImage::SetPixel(int x, int y, uint32_t color) {
  uint8_t* p = Row(y) + x * 3;
  p[0] = static_cast<uint8_t>(color >> 16);
  p[1] = static_cast<uint8_t>(color >> 8);
  p[2] = static_cast<uint8_t>(color);
}
