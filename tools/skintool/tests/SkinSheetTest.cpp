// The contact sheet shows every bitmap and the pieces derived from them.
#include <gtest/gtest.h>

#include "BmpDecoder.h"
#include "FileStream.h"
#include "Sk2Record.h"
#include "Sk2Writer.h"
#include "SkinArchiveWriter.h"
#include "ToolRunner.h"

namespace {

constexpr uint32_t kMarker = 0x13579B, kButtonFace = 0x2468AC;

// A 24-bit bottom-up BMP whose pixel (x, y) is colour(x, y).
template <typename Fn>
std::string Bmp(int w, int h, Fn colour) {
  const int stride = (w * 3 + 3) & ~3;
  std::string s(54 + size_t(stride) * h, '\0');
  auto put = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + i] = char((v >> (8 * i)) & 0xFF);
  };
  s[0] = 'B', s[1] = 'M';
  put(2, uint32_t(s.size())), put(10, 54), put(14, 40), put(18, uint32_t(w)), put(22, uint32_t(h));
  s[26] = 1, s[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      size_t p = 54 + size_t(h - 1 - y) * stride + size_t(x) * 3;
      uint32_t c = colour(x, y);
      s[p] = char(c >> 16), s[p + 1] = char(c >> 8), s[p + 2] = char(c);
    }
  return s;
}

size_t CountColour(const SkinImage& image, uint32_t colour) {
  size_t n = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) n += image.Pixel(x, y) == colour;
  return n;
}

TEST(SkinSheet, ShowsBitmapsAndDerivedPieces) {
  TempDir dir;
  std::vector<Sk2Record> records = {
      MakeIntegerRecord("SKIN2_TRANSCOLOR", 0xFF00FF),
      MakeIntegerRecord("SKIN2_SCROLLBARCOLOR", 0xF0F0F0),
      MakeBitmapRecord("SKIN2_BUTTON", Bmp(63, 21, [](int, int) { return kButtonFace; })),
      // One marker pixel in each of the three state frames.
      MakeBitmapRecord("SKIN2_SCROLLBARUPBUTTON", Bmp(48, 16, [](int x, int y) { return x % 16 == 8 && y == 3 ? kMarker : 0x808080u; })),
  };
  dir.Write("skin.mvx", BuildSkinArchive(BuildSk2File(records), {}));
  const ToolResult r = RunSkinTool({"sheet", dir.Path("skin.mvx"), dir.Path("sheet.bmp")});
  ASSERT_EQ(r.Exit, 0) << r.Err;
  const std::string bytes = ReadBytes(dir.Path("sheet.bmp"));
  auto sheet = DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  // The strip itself (3 markers) and the six cut and turned scroll buttons (one marker each).
  EXPECT_EQ(CountColour(*sheet, kMarker), 9u);
  // The button strip at its own size, then nine-piece samples of its frames.
  EXPECT_GT(CountColour(*sheet, kButtonFace), size_t(63 * 21));
}

TEST(SkinSheet, ReportsUnreadableArchivesAndPasswords) {
  TempDir dir;
  SkinArchiveOptions locked;
  locked.Password = "pw";
  dir.Write("locked.mvx", BuildSkinArchive(BuildSk2File({MakeIntegerRecord("A", 1)}), locked));
  const struct {
    std::vector<std::string> args;
    int exit;
    const char* message;
  } cases[] = {
      {{"sheet", dir.Path("missing.mvx"), dir.Path("out.bmp")}, 1, "Failed to read skin file!"},
      {{"sheet", dir.Path("locked.mvx"), dir.Path("out.bmp")}, 2, "Wrong password!"},
      {{"sheet", dir.Path("locked.mvx"), dir.Path("out.bmp"), "--password", "no"}, 2, "Wrong password!"},
  };
  for (const auto& c : cases) {
    const ToolResult r = RunSkinTool(c.args);
    EXPECT_EQ(r.Exit, c.exit) << c.args[1];
    EXPECT_NE(r.Err.find(c.message), std::string::npos) << r.Err;
    EXPECT_FALSE(FileStream::Exists(dir.Path("out.bmp")));
  }
}

}  // namespace
