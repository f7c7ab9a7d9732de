#include "PixelFixtures.h"

#include <cstdio>

namespace fixtures {

std::unique_ptr<TBitmap> MakeBitmap(int width, int height, const std::function<TColor(int, int)>& colour) {
  auto bitmap = std::make_unique<TBitmap>(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->SetPixel(x, y, colour(x, y));
  return bitmap;
}

std::unique_ptr<TBitmap> SolidBitmap(int width, int height, TColor colour) {
  return MakeBitmap(width, height, [colour](int, int) { return colour; });
}

std::string Describe(TColor c) {
  char text[64];
  if (IsCoded(c))
    std::snprintf(text, sizeof text, "source (%d, %d)", CodedX(c), CodedY(c));
  else
    std::snprintf(text, sizeof text, "colour 0x%06X", static_cast<unsigned>(c));
  return text;
}

}  // namespace fixtures
