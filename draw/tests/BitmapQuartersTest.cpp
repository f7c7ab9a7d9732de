#include <gtest/gtest.h>

#include <functional>

#include "BitmapQuarters.h"
#include "PixelFixtures.h"

using fixtures::Coded;

namespace {
constexpr TColor kBack = 0x203040;

// A 75 by 21 button frame whose pixel (x, y) names its own position.
std::unique_ptr<TBitmap> ButtonFrame() { return fixtures::MakeBitmap(75, 21, Coded); }

// Where the pixels of one piece come from: the source column and row for a destination pixel.
struct Piece {
  const char* name;
  TRect dest;
  std::function<int(int x)> sourceX;
  std::function<int(int y)> sourceY;
};

int Same(int v) { return v; }

void ExpectPieces(const TBitmap& dest, const std::vector<Piece>& pieces) {
  for (const Piece& p : pieces)
    for (int y = p.dest.Top; y < p.dest.Bottom; ++y)
      for (int x = p.dest.Left; x < p.dest.Right; ++x)
        ASSERT_EQ(fixtures::Describe(dest.Pixel(x, y)), fixtures::Describe(Coded(p.sourceX(x), p.sourceY(y))))
            << p.name << " at destination (" << x << ", " << y << ")";
}

int CountBackground(const TBitmap& b) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == kBack;
  return n;
}
}  // namespace

TEST(DrawBitmapQuarters, AFrameIntoItsOwnSizeMapsEveryPieceAsLaidOut) {
  auto frame = ButtonFrame();
  auto dest = fixtures::SolidBitmap(75, 21, kBack);
  DrawBitmapQuarters(*frame, dest->Canvas(), TRect{0, 0, 75, 21}, clFuchsia, true);

  // Corners 37x10, 37x9, 36x10, 36x9. The one-row left edge, right edge and centre are doubled to
  // two rows (the centre stops one row early); the bottom edge starts at (36, 11) and spreads the
  // two middle columns over three, by the platform's nearest-pixel rule (36, 37 <- 37; 38 <- 38).
  const std::vector<Piece> pieces = {
      {"top-left corner", {0, 0, 37, 10}, Same, Same},
      {"bottom-left corner", {0, 12, 36, 21}, Same, Same},
      {"top-right corner", {39, 0, 75, 10}, Same, Same},
      {"bottom-right corner", {39, 12, 75, 21}, Same, Same},
      {"top edge", {37, 0, 39, 10}, Same, Same},
      {"left edge", {0, 10, 37, 11}, Same, [](int) { return 10; }},
      {"left edge, second row", {0, 11, 36, 12}, Same, [](int) { return 10; }},
      {"right edge", {39, 10, 75, 12}, Same, [](int) { return 10; }},
      {"centre", {37, 10, 39, 11}, Same, [](int) { return 10; }},
      {"bottom edge", {36, 11, 39, 21}, [](int x) { return x < 38 ? 37 : 38; }, Same},
  };
  ExpectPieces(*dest, pieces);
  EXPECT_EQ(CountBackground(*dest), 0);

  // Source columns 37 and 38 only reach the top edge, centre and bottom edge (x 36..38); source
  // row 11 only the bottom edge.
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 75; ++x) {
      TColor c = dest->Pixel(x, y);
      if (fixtures::CodedX(c) == 37 || fixtures::CodedX(c) == 38) {
        EXPECT_TRUE(x >= 36 && x <= 38) << x << "," << y;
      }
      if (fixtures::CodedY(c) == 11) {
        EXPECT_TRUE(x >= 36 && x <= 38 && y >= 11) << x << "," << y;
      }
    }
}

TEST(DrawBitmapQuarters, ALargerDestinationKeepsCornersAndStretchesTheRest) {
  auto frame = ButtonFrame();
  auto dest = fixtures::SolidBitmap(200, 30, kBack);
  DrawBitmapQuarters(*frame, dest->Canvas(), TRect{0, 0, 200, 30}, clFuchsia, true);
  const std::vector<Piece> pieces = {
      {"top-left corner", {0, 0, 37, 10}, Same, Same},
      {"bottom-left corner", {0, 21, 36, 30}, Same, [](int y) { return y - 9; }},
      {"top-right corner", {164, 0, 200, 10}, [](int x) { return x - 125; }, Same},
      {"bottom-right corner", {164, 21, 200, 30}, [](int x) { return x - 125; }, [](int y) { return y - 9; }},
      {"left edge", {0, 10, 37, 20}, Same, [](int) { return 10; }},
      {"right edge", {164, 10, 200, 21}, [](int x) { return x - 125; }, [](int) { return 10; }},
  };
  ExpectPieces(*dest, pieces);
  // Top edge, centre and bottom edge stretch source columns 37..38 over x 37..163 (36..163 for the
  // bottom edge): left half column 37, right half 38.
  struct Stretched {
    const char* name;
    TRect dest;
    std::function<int(int y)> sourceY;
  };
  const Stretched stretched[] = {
      {"top edge", {37, 0, 164, 10}, Same},
      {"centre", {37, 10, 164, 20}, [](int) { return 10; }},
      {"bottom edge", {36, 20, 164, 30}, [](int y) { return y - 9; }},
  };
  for (const Stretched& s : stretched)
    for (int y = s.dest.Top; y < s.dest.Bottom; ++y)
      for (int x = s.dest.Left; x < s.dest.Right; ++x) {
        TColor c = dest->Pixel(x, y);
        int expectedX = (x - s.dest.Left) * 2 / s.dest.Width() + 37;
        ASSERT_EQ(fixtures::Describe(c), fixtures::Describe(Coded(expectedX, s.sourceY(y))))
            << s.name << " at (" << x << ", " << y << ")";
      }
  EXPECT_EQ(CountBackground(*dest), 0);
}

TEST(DrawBitmapQuarters, ASmallerDestinationKeepsTheOuterPartOfEachPiece) {
  auto frame = ButtonFrame();
  auto dest = fixtures::SolidBitmap(20, 8, kBack);
  DrawBitmapQuarters(*frame, dest->Canvas(), TRect{0, 0, 20, 8}, clFuchsia, true);
  // Corners 10x4, 10x3, 9x4, 9x3 from the frame's outer corners; the left edge keeps its left
  // columns, the right edge its right ones, the top edge its top rows (squeezed to one column, the
  // platform's nearest pixel is the left one), the bottom edge its bottom rows; the centre has no
  // room.
  const std::vector<Piece> pieces = {
      {"top-left corner", {0, 0, 10, 4}, Same, Same},
      {"bottom-left corner", {0, 5, 9, 8}, Same, [](int y) { return y + 13; }},
      {"top-right corner", {11, 0, 20, 4}, [](int x) { return x + 55; }, Same},
      {"bottom-right corner", {11, 5, 20, 8}, [](int x) { return x + 55; }, [](int y) { return y + 13; }},
      {"left edge", {0, 4, 9, 5}, Same, [](int) { return 10; }},
      {"right edge", {11, 4, 20, 5}, [](int x) { return x + 55; }, [](int) { return 10; }},
      {"top edge", {10, 0, 11, 4}, [](int) { return 37; }, Same},
      {"bottom edge", {9, 4, 11, 8}, [](int x) { return x + 28; }, [](int y) { return y + 13; }},
  };
  ExpectPieces(*dest, pieces);
  EXPECT_EQ(CountBackground(*dest), 0);
}

TEST(DrawBitmapQuarters, ShortDestinationsDrawOnlyTheTopLeftCornerOrNothing) {
  auto frame = ButtonFrame();
  struct Case {
    int height;
    int painted;  // pixels drawn
  };
  for (const Case& c : {Case{3, 37}, Case{2, 37}, Case{1, 0}, Case{0, 0}, Case{-4, 0}}) {
    auto dest = fixtures::SolidBitmap(75, 5, kBack);
    DrawBitmapQuarters(*frame, dest->Canvas(), TRect{0, 0, 75, c.height}, clFuchsia, true);
    EXPECT_EQ(75 * 5 - CountBackground(*dest), c.painted) << "height " << c.height;
    if (c.painted) {
      for (int x = 0; x < 37; ++x) EXPECT_EQ(dest->Pixel(x, 0), Coded(x, 0)) << x;
      EXPECT_EQ(dest->Pixel(37, 0), kBack);
    }
  }
}

TEST(DrawBitmapQuarters, LeftAndTopPiecesStartAtTheCanvasOrigin) {
  auto frame = ButtonFrame();
  auto dest = fixtures::SolidBitmap(100, 40, kBack);
  DrawBitmapQuarters(*frame, dest->Canvas(), TRect{10, 5, 85, 26}, clFuchsia, true);
  EXPECT_EQ(dest->Pixel(0, 0), Coded(0, 0));
  EXPECT_EQ(dest->Pixel(84, 25), Coded(74, 20));
  EXPECT_EQ(dest->Pixel(49, 17), Coded(39, 12));
  EXPECT_EQ(dest->Pixel(85, 26), kBack);
}

TEST(DrawBitmapQuarters, TransparentPixelsOfEdgesAndCentreAreNeverDrawnCornersOnlyWhenMasked) {
  // Magenta at one source pixel of each kind of piece.
  struct Spot {
    const char* piece;
    int sx, sy;        // source pixel made magenta
    bool corner;
    TPoint dest[2];    // where that pixel lands in a 75x21 destination ({-1, -1} = unused)
  };
  const Spot spots[] = {
      {"top-left corner", 2, 2, true, {{2, 2}, {-1, -1}}},
      {"bottom-right corner", 70, 18, true, {{70, 18}, {-1, -1}}},
      {"top edge", 37, 3, false, {{37, 3}, {-1, -1}}},
      {"left edge", 5, 10, false, {{5, 10}, {5, 11}}},
      {"right edge", 50, 10, false, {{50, 10}, {50, 11}}},
      {"centre", 38, 10, false, {{38, 10}, {-1, -1}}},
      {"bottom edge", 38, 15, false, {{38, 15}, {-1, -1}}},
  };
  auto frame = fixtures::MakeBitmap(75, 21, [&](int x, int y) {
    for (const Spot& s : spots)
      if (s.sx == x && s.sy == y) return clFuchsia;
    return Coded(x, y);
  });
  for (bool mask : {true, false}) {
    auto dest = fixtures::SolidBitmap(75, 21, kBack);
    DrawBitmapQuarters(*frame, dest->Canvas(), TRect{0, 0, 75, 21}, clFuchsia, mask);
    int undrawn = 0;
    for (const Spot& s : spots)
      for (const TPoint& p : s.dest) {
        if (p.X < 0) continue;
        TColor expected = (s.corner && !mask) ? clFuchsia : kBack;
        EXPECT_EQ(dest->Pixel(p.X, p.Y), expected) << s.piece << (mask ? " masked" : " unmasked");
        undrawn += expected == kBack;
      }
    EXPECT_EQ(CountBackground(*dest), undrawn) << (mask ? "masked" : "unmasked");
  }
}
