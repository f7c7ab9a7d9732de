// The BMP decoder: every accepted layout gives the same picture; everything else is refused with a
// clear image error, never a read past the data.
#include <gtest/gtest.h>

#include "BmpDecoder.h"
#include "SkinError.h"
#include "TestFiles.h"

using namespace testfiles;

namespace {

uint32_t Pattern(int x, int y) { return uint32_t((x * 40) | (y * 50) << 8 | ((x + y) * 10) << 16); }

std::unique_ptr<SkinImage> Decode(const std::string& s) {
  return DecodeBmp(reinterpret_cast<const uint8_t*>(s.data()), s.size());
}

void ExpectPattern(const SkinImage& image, int w, int h) {
  ASSERT_EQ(image.Width(), w);
  ASSERT_EQ(image.Height(), h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) ASSERT_EQ(image.Pixel(x, y), Pattern(x, y)) << x << "," << y;
}

struct Layout {
  const char* name;
  int bits;
  bool topDown;
};

class BmpLayouts : public ::testing::TestWithParam<Layout> {};

TEST_P(BmpLayouts, DecodesThePicture) {
  // Width 5 makes every row need padding in the 8- and 24-bit layouts.
  ExpectPattern(*Decode(MakeBmp(5, 3, Pattern, GetParam().bits, GetParam().topDown)), 5, 3);
}

INSTANTIATE_TEST_SUITE_P(All, BmpLayouts,
                         ::testing::Values(Layout{"Rgb24BottomUp", 24, false}, Layout{"Rgb24TopDown", 24, true},
                                           Layout{"Rgb32", 32, false}, Layout{"Palette8", 8, false},
                                           Layout{"Palette8TopDown", 8, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BmpDecoder, AcceptsStandard32BitMasks) {
  std::string s = MakeBmp(2, 2, Pattern, 32);
  PutU32(s, 30, 3);  // BI_BITFIELDS, masks after the 40-byte header
  std::string withMasks = s.substr(0, 54) + U32(0xFF0000) + U32(0xFF00) + U32(0xFF) + s.substr(54);
  PutU32(withMasks, 10, 66);
  ExpectPattern(*Decode(withMasks), 2, 2);
}

TEST(BmpDecoder, LastRowWithoutPaddingIsAccepted) {
  std::string s = MakeBmp(5, 2, Pattern);
  s.resize(s.size() - 1);  // 5 * 3 = 15 bytes of pixels, 1 byte of padding dropped
  ExpectPattern(*Decode(s), 5, 2);
}

struct Broken {
  const char* name;
  void (*patch)(std::string&);
  const char* why;
};

class BmpBroken : public ::testing::TestWithParam<Broken> {};

TEST_P(BmpBroken, RaisesAClearImageError) {
  std::string s = MakeBmp(4, 3, Pattern, 24);
  GetParam().patch(s);
  try {
    Decode(s);
    FAIL() << "decoded a broken bitmap";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(std::string(e.what()), std::string("Bitmap image is not valid: ") + GetParam().why);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BmpBroken,
    ::testing::Values(
        Broken{"Empty", [](std::string& s) { s.clear(); }, "file too short"},
        Broken{"NoSignature", [](std::string& s) { s[1] = 'A'; }, "missing \"BM\" signature"},
        Broken{"CoreHeader", [](std::string& s) { PutU32(s, 14, 12); }, "unsupported info header size 12"},
        Broken{"SixteenBits", [](std::string& s) { PutU16(s, 28, 16); }, "unsupported bit depth 16"},
        Broken{"RunLength", [](std::string& s) { PutU32(s, 30, 1); }, "unsupported compression 1"},
        Broken{"ZeroWidth", [](std::string& s) { PutU32(s, 18, 0); }, "width 0"},
        Broken{"NegativeWidth", [](std::string& s) { PutU32(s, 18, uint32_t(-4)); }, "width -4"},
        Broken{"ZeroHeight", [](std::string& s) { PutU32(s, 22, 0); }, "height 0"},
        Broken{"TwoPlanes", [](std::string& s) { PutU16(s, 26, 2); }, "plane count 2"},
        Broken{"PixelsCut", [](std::string& s) { s.resize(s.size() - 4); }, "pixel data do not fit the file (4x3, 24 bits)"},
        Broken{"HugeHeight", [](std::string& s) { PutU32(s, 22, 30000); }, "pixel data do not fit the file (4x30000, 24 bits)"},
        Broken{"PixelOffsetPastEnd", [](std::string& s) { PutU32(s, 10, 0xFFFFFFF0); },
               "pixel data do not fit the file (4x3, 24 bits)"},
        Broken{"PixelOffsetInsideHeader", [](std::string& s) { PutU32(s, 10, 20); },
               "pixel data do not fit the file (4x3, 24 bits)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BmpDecoder, PaletteIndexOutsideThePaletteIsRefused) {
  std::string s = MakeBmp(2, 1, [](int x, int) { return x ? 0xFFu : 0u; }, 8);
  PutU32(s, 46, 1);  // claim a one-colour palette; pixel 1 still uses index 1
  // Shrinking the palette moves where the pixels are expected; keep the offset pointing at them.
  EXPECT_THROW(Decode(s), EInvalidGraphic);
}

}  // namespace
