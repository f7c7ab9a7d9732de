// Checks the gallery's screenshots: gallery_shot_check PREFIX COUNT WIDTH HEIGHT reads
// PREFIX-0.bmp ... PREFIX-(COUNT-1).bmp and fails (exit 1, a line per fault) unless each is a
// 24-bit BMP of the window's size showing a painted window (many colours, little black, a drawn
// caption, no unpainted black patch) and the pages differ from each other where the pages are
// shown.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;  // 0xRRGGBB, top row first
  uint32_t At(int x, int y) const { return Pixels[size_t(y) * Width + x]; }
};

int Failures = 0;

void Fail(const std::string& File, const std::string& What) {
  std::printf("FAIL %s: %s\n", File.c_str(), What.c_str());
  ++Failures;
}

uint32_t Read32(const std::vector<uint8_t>& B, size_t At) {
  return B[At] | (B[At + 1] << 8) | (B[At + 2] << 16) | (uint32_t(B[At + 3]) << 24);
}
uint16_t Read16(const std::vector<uint8_t>& B, size_t At) { return uint16_t(B[At] | (B[At + 1] << 8)); }

bool Load(const std::string& File, TImage& Image) {
  std::ifstream in(File, std::ios::binary);
  if (!in) return Fail(File, "missing"), false;
  const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return Fail(File, "not a BMP file"), false;
  const uint32_t offset = Read32(b, 10);
  const int width = int32_t(Read32(b, 18));
  const int rawHeight = int32_t(Read32(b, 22));
  const int height = rawHeight < 0 ? -rawHeight : rawHeight;
  if (Read16(b, 28) != 24 || Read32(b, 30) != 0) return Fail(File, "not an uncompressed 24-bit BMP"), false;
  if (width <= 0 || height <= 0) return Fail(File, "no pixels"), false;
  const size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
  if (b.size() < offset + stride * height) return Fail(File, "truncated pixel data"), false;
  Image.Width = width;
  Image.Height = height;
  Image.Pixels.resize(size_t(width) * height);
  for (int y = 0; y < height; ++y) {
    const int row = rawHeight < 0 ? y : height - 1 - y;  // positive height: bottom-up rows
    const uint8_t* p = b.data() + offset + stride * row;
    for (int x = 0; x < width; ++x, p += 3) Image.Pixels[size_t(y) * width + x] = p[0] | (p[1] << 8) | (p[2] << 16);
  }
  return true;
}

// The top-left corner of the first Size x Size square of black pixels, if any.
std::optional<std::pair<int, int>> FindBlackBlock(const TImage& Image, int Size) {
  // Counts of black pixels above and left of each point (a summed-area table).
  const int w = Image.Width, h = Image.Height;
  std::vector<int> sum(size_t(w + 1) * (h + 1), 0);
  auto at = [&](int x, int y) -> int& { return sum[size_t(y) * (w + 1) + x]; };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) at(x + 1, y + 1) = (Image.At(x, y) == 0) + at(x, y + 1) + at(x + 1, y) - at(x, y);
  for (int y = 0; y + Size <= h; ++y)
    for (int x = 0; x + Size <= w; ++x)
      if (at(x + Size, y + Size) - at(x, y + Size) - at(x + Size, y) + at(x, y) == Size * Size) return std::pair{x, y};
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::printf("usage: gallery_shot_check PREFIX COUNT WIDTH HEIGHT\n");
    return 2;
  }
  const std::string prefix = argv[1];
  const int count = std::stoi(argv[2]), width = std::stoi(argv[3]), height = std::stoi(argv[4]);
  std::vector<TImage> images(count);
  std::vector<bool> loaded(count, false);
  for (int i = 0; i < count; ++i) {
    const std::string file = prefix + "-" + std::to_string(i) + ".bmp";
    if (!Load(file, images[i])) continue;
    const TImage& im = images[i];
    if (im.Width != width || im.Height != height) {
      Fail(file, "size " + std::to_string(im.Width) + "x" + std::to_string(im.Height) + ", expected " +
                     std::to_string(width) + "x" + std::to_string(height));
      continue;
    }
    loaded[i] = true;
    const std::set<uint32_t> colours(im.Pixels.begin(), im.Pixels.end());
    size_t black = 0;
    for (uint32_t p : im.Pixels) black += p == 0;
    // The caption row: drawn by the window's non-client painting, black when nobody drew it.
    int captionBlack = 0;
    for (int x = 0; x < width; ++x) captionBlack += im.At(x, 10) == 0;
    std::printf("%s: %dx%d, %zu colours, %.1f%% black\n", file.c_str(), im.Width, im.Height, colours.size(),
                100.0 * black / im.Pixels.size());
    if (colours.size() < 24) Fail(file, "only " + std::to_string(colours.size()) + " colours: not painted");
    if (black * 5 > im.Pixels.size()) Fail(file, "more than a fifth of the pixels are black");
    if (captionBlack * 2 > width) Fail(file, "the caption row is black: the non-client area was not drawn");
    // A solid black square is a part of the window nobody painted (text and lines are thinner).
    if (const auto block = FindBlackBlock(im, 8))
      Fail(file, "unpainted (black) area at " + std::to_string(block->first) + "," + std::to_string(block->second));
  }
  // The page area (below the menu, tool bar and tabs, above the status bar) must change with the
  // page: identical pages mean the page control never switched.
  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j) {
      if (!loaded[i] || !loaded[j]) continue;
      size_t differing = 0, area = 0;
      for (int y = 110; y < height - 40; ++y)
        for (int x = 10; x < width - 10; ++x, ++area) differing += images[i].At(x, y) != images[j].At(x, y);
      if (differing * 50 < area)
        Fail(prefix + "-" + std::to_string(j) + ".bmp",
             "page area almost identical to page " + std::to_string(i) + " (" + std::to_string(differing) +
                 " pixels differ)");
    }
  std::printf("%s\n", Failures ? "screenshots FAILED" : "screenshots OK");
  return Failures ? 1 : 0;
}
