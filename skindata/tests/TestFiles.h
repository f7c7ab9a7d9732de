#pragma once
// Small helpers shared by the skin-file tests: BMP files in memory, a private temporary folder,
// and byte patching of archives.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FileStream.h"
#include "TempFileName.h"

namespace testfiles {

inline void PutU16(std::string& s, size_t at, uint16_t v) {
  s[at] = char(v & 0xFF);
  s[at + 1] = char(v >> 8);
}
inline void PutU32(std::string& s, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = char((v >> (8 * i)) & 0xFF);
}
inline std::string U32(uint32_t v) {
  std::string s(4, '\0');
  PutU32(s, 0, v);
  return s;
}

// A BMP file of width x height whose pixel (x, y) is colour(x, y) (0x00BBGGRR).
// bits: 24, 32 or 8 (8 uses a palette built from the distinct colours, at most 256).
template <typename ColourFn>
std::string MakeBmp(int width, int height, ColourFn colour, int bits = 24, bool topDown = false) {
  std::vector<uint32_t> palette;
  if (bits == 8) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        uint32_t c = colour(x, y);
        bool known = false;
        for (uint32_t p : palette) known |= p == c;
        if (!known) palette.push_back(c);
      }
  }
  const int stride = ((width * bits + 31) / 32) * 4;
  const uint32_t pixelOffset = 54 + uint32_t(palette.size()) * 4;
  std::string s(pixelOffset + size_t(stride) * height, '\0');
  s[0] = 'B';
  s[1] = 'M';
  PutU32(s, 2, uint32_t(s.size()));
  PutU32(s, 10, pixelOffset);
  PutU32(s, 14, 40);
  PutU32(s, 18, uint32_t(width));
  PutU32(s, 22, uint32_t(topDown ? -height : height));
  PutU16(s, 26, 1);
  PutU16(s, 28, uint16_t(bits));
  PutU32(s, 46, uint32_t(palette.size()));
  for (size_t i = 0; i < palette.size(); ++i) {
    uint32_t c = palette[i];
    s[54 + i * 4] = char((c >> 16) & 0xFF);
    s[54 + i * 4 + 1] = char((c >> 8) & 0xFF);
    s[54 + i * 4 + 2] = char(c & 0xFF);
  }
  for (int y = 0; y < height; ++y) {
    size_t row = pixelOffset + size_t(topDown ? y : height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      uint32_t c = colour(x, y);
      if (bits == 8) {
        for (size_t i = 0; i < palette.size(); ++i)
          if (palette[i] == c) s[row + x] = char(i);
        continue;
      }
      size_t p = row + size_t(x) * (bits / 8);
      s[p] = char((c >> 16) & 0xFF);
      s[p + 1] = char((c >> 8) & 0xFF);
      s[p + 2] = char(c & 0xFF);
    }
  }
  return s;
}

inline std::string SolidBmp(int width, int height, uint32_t colour) {
  return MakeBmp(width, height, [colour](int, int) { return colour; });
}

// A private temporary folder made the system's temporary directory for the test's duration, so a
// test can see every file the code under test leaves behind.
class PrivateTempDir {
public:
  PrivateTempDir();
  ~PrivateTempDir();
  const std::string& Path() const { return FPath; }  // ends with a separator
  std::string File(const std::string& name) const { return FPath + name; }
  std::vector<std::string> List() const;             // names of the files in it

private:
  std::string FPath;
  std::string FSaved[2];
};

}  // namespace testfiles
