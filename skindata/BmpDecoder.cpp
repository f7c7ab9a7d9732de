#include "BmpDecoder.h"

#include <cstring>
#include <string>

#include "SkinError.h"

namespace {
uint32_t U32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

[[noreturn]] void Fail(const std::string& why) { throw EInvalidGraphic("Bitmap image is not valid: " + why); }

constexpr uint32_t kBiRgb = 0, kBiBitfields = 3;
constexpr size_t kFileHeader = 14;
constexpr int64_t kMaxSide = 32767;
}  // namespace

std::unique_ptr<SkinImage> DecodeBmp(const uint8_t* data, size_t size) {
  if (size < kFileHeader + 40) Fail("file too short");
  if (data[0] != 'B' || data[1] != 'M') Fail("missing \"BM\" signature");
  const uint32_t pixelOffset = U32(data + 10);
  const uint8_t* info = data + kFileHeader;
  const uint32_t infoSize = U32(info);
  if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124)
    Fail("unsupported info header size " + std::to_string(infoSize));
  if (kFileHeader + infoSize > size) Fail("info header past the end of the data");
  const int64_t width = static_cast<int32_t>(U32(info + 4));
  const int64_t rawHeight = static_cast<int32_t>(U32(info + 8));
  const uint16_t planes = U16(info + 12);
  const uint16_t bitCount = U16(info + 14);
  const uint32_t compression = U32(info + 16);
  uint32_t colorsUsed = U32(info + 32);

  if (planes != 1) Fail("plane count " + std::to_string(planes));
  if (width <= 0 || width > kMaxSide) Fail("width " + std::to_string(width));
  if (rawHeight == 0 || rawHeight > kMaxSide || rawHeight < -kMaxSide) Fail("height " + std::to_string(rawHeight));
  const bool topDown = rawHeight < 0;
  const int64_t height = topDown ? -rawHeight : rawHeight;

  if (bitCount == 32) {
    if (compression == kBiBitfields) {
      // Masks follow a 40-byte header; larger headers carry them inside.
      const size_t maskAt = kFileHeader + 40;
      if (maskAt + 12 > size) Fail("bit field masks past the end of the data");
      if (U32(data + maskAt) != 0xFF0000 || U32(data + maskAt + 4) != 0xFF00 || U32(data + maskAt + 8) != 0xFF)
        Fail("unsupported 32-bit colour masks");
    } else if (compression != kBiRgb) {
      Fail("unsupported compression " + std::to_string(compression));
    }
  } else if (bitCount == 24 || bitCount == 8) {
    if (compression != kBiRgb) Fail("unsupported compression " + std::to_string(compression));
  } else {
    Fail("unsupported bit depth " + std::to_string(bitCount));
  }

  const uint8_t* palette = nullptr;
  if (bitCount == 8) {
    if (colorsUsed == 0) colorsUsed = 256;
    if (colorsUsed > 256) Fail("palette of " + std::to_string(colorsUsed) + " colours");
    const size_t paletteAt = kFileHeader + infoSize;
    if (paletteAt + size_t(colorsUsed) * 4 > size) Fail("palette past the end of the data");
    palette = data + paletteAt;
  }

  const int64_t srcStride = ((width * bitCount + 31) / 32) * 4;
  // The last row needs only its pixels, not its padding: some writers drop the final pad bytes.
  const int64_t lastRowBytes = (width * bitCount + 7) / 8;
  if (pixelOffset < kFileHeader + infoSize || int64_t(pixelOffset) + srcStride * (height - 1) + lastRowBytes > int64_t(size))
    Fail("pixel data do not fit the file (" + std::to_string(width) + "x" + std::to_string(height) + ", " +
         std::to_string(bitCount) + " bits)");

  auto image = std::make_unique<SkinImage>(static_cast<int>(width), static_cast<int>(height));
  const uint8_t* pixels = data + pixelOffset;
  const int w = static_cast<int>(width);
  for (int y = 0; y < height; ++y) {
    // File row r holds image row y (from the top): bottom-up files store the bottom row first.
    const int64_t fileRow = topDown ? y : height - 1 - y;
    const uint8_t* src = pixels + fileRow * srcStride;
    uint8_t* dst = image->Row(y);
    switch (bitCount) {
      case 24:
        std::memcpy(dst, src, size_t(w) * 3);
        break;
      case 32:
        for (int x = 0; x < w; ++x, src += 4, dst += 3) {
          dst[0] = src[0];
          dst[1] = src[1];
          dst[2] = src[2];
        }
        break;
      default:  // 8-bit palette
        for (int x = 0; x < w; ++x, dst += 3) {
          uint32_t i = src[x];
          if (i >= colorsUsed) Fail("palette index " + std::to_string(i) + " out of range");
          const uint8_t* entry = palette + i * 4;
          dst[0] = entry[0];
          dst[1] = entry[1];
          dst[2] = entry[2];
        }
        break;
    }
  }
  return image;
}
