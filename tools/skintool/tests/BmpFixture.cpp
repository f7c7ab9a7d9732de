#include "BmpFixture.h"

namespace {
void PutU16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v));
  out.push_back(static_cast<char>(v >> 8));
}
void PutU32(std::string& out, uint32_t v) {
  PutU16(out, v);
  PutU16(out, v >> 16);
}
}  // namespace

std::string MakeBmp(int width, int height, uint8_t seed) {
  const int stride = (width * 3 + 3) & ~3;
  const uint32_t pixelBytes = static_cast<uint32_t>(stride * height);
  std::string out = "BM";
  PutU32(out, 54 + pixelBytes);
  PutU32(out, 0);
  PutU32(out, 54);
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);
  PutU32(out, pixelBytes);
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int row = 0; row < height; ++row) {
    std::string line;
    for (int x = 0; x < width; ++x) {
      line.push_back(static_cast<char>(seed + x));
      line.push_back(static_cast<char>(seed * 7 + row));
      line.push_back(static_cast<char>(0x80 ^ seed));
    }
    line.resize(static_cast<size_t>(stride), '\0');
    out += line;
  }
  return out;
}
