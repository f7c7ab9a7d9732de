// Scroll bar, tab and progress bar pieces cut, turned and recoloured from a skin.
#include <gtest/gtest.h>

#include "SkinFixture.h"
#include "TvexaProgressBarRes.h"
#include "TvexaReader.h"
#include "TvexaScrollBtnRes.h"
#include "TvexaTabRes.h"

using namespace testfiles;

namespace {

constexpr uint32_t kUpArrow = 0x00AA00, kDownArrow = 0x0000AA, kScroll = 0xF9F9F9;

uint32_t RowColour(int row) { return 0x200000u + uint32_t(row) * 3; }

// A 48 by 16 button strip: three 16 by 16 state frames with magenta corners and an arrow marker
// at (8, 3) of the first frame.
Sk2Record ButtonStrip(const std::string& key, uint32_t arrow) {
  return BitmapRecord(key, 48, 16, [arrow](int x, int y) -> uint32_t {
    if (x % 16 == 0 && y == 0) return kMagenta;
    if (x == 8 && y == 3) return arrow;
    return 0x303030u + uint32_t(x / 16);
  });
}

template <typename BarFn>
std::vector<Sk2Record> ScrollSkin(int barWidth, int barHeight, BarFn bar, uint32_t scroll = kScroll) {
  return {MakeIntegerRecord("SKIN2_TRANSCOLOR", int32_t(kMagenta)),
          MakeIntegerRecord("SKIN2_SCROLLBARCOLOR", int32_t(scroll)),
          ButtonStrip("SKIN2_SCROLLBARUPBUTTON", kUpArrow), ButtonStrip("SKIN2_SCROLLBARDOWNBUTTON", kDownArrow),
          BitmapRecord("SKIN2_SCROLLBAR", barWidth, barHeight, bar)};
}

// Rows of one colour each, magenta in the top-left corner.
uint32_t UniformRows(int x, int y) { return x == 0 && y == 0 ? kMagenta : RowColour(y); }

class DerivedTest : public ::testing::Test {
protected:
  TvexaReader& Load(const std::vector<Sk2Record>& records) {
    reader.LoadFromFile(WriteSkin(dir, "skin.mvx", records), "");
    return reader;
  }
  PrivateTempDir dir;
  TvexaReader reader;
};

TEST_F(DerivedTest, ThumbPiecesComeFromTheStatedRows) {
  TvexaScrollBtnRes res;
  res.SetReader(&Load(ScrollSkin(16, 21, UniformRows)));
  const int heights[5] = {3, 5, 5, 5, 3}, firstRows[5] = {0, 4, 9, 13, 18};
  for (int k = 1; k <= 5; ++k) {
    TBitmap* piece = res.VertThumb(k);
    ASSERT_NE(piece, nullptr);
    ASSERT_EQ(piece->Width(), 16);
    ASSERT_EQ(piece->Height(), heights[k - 1]) << "piece " << k;
    for (int y = 0; y < piece->Height(); ++y)
      EXPECT_EQ(piece->Pixel(5, y), TColor(RowColour(firstRows[k - 1] + y))) << "piece " << k << " row " << y;
    // A uniform grip: horizontal pieces are the vertical ones turned counter-clockwise, same order.
    TBitmap* horz = res.HorzThumb(k);
    ASSERT_EQ(horz->Width(), heights[k - 1]);
    ASSERT_EQ(horz->Height(), 16);
    for (int y = 0; y < heights[k - 1]; ++y) EXPECT_EQ(horz->Pixel(y, 15 - 5), TColor(RowColour(firstRows[k - 1] + y)));
  }
  EXPECT_EQ(res.ThumbWidth(), 16);
  EXPECT_FALSE(res.WholeThumb());
  EXPECT_EQ(res.VertThumb(0), nullptr);
  EXPECT_EQ(res.VertThumb(6), nullptr);
}

TEST_F(DerivedTest, ShortBarGivesBlankOneRowMiddlePieces) {
  TvexaScrollBtnRes res;
  res.SetReader(&Load(ScrollSkin(16, 8, UniformRows)));
  EXPECT_EQ(res.VertThumb(1)->Height(), 3);
  EXPECT_EQ(res.VertThumb(5)->Height(), 3);
  for (int k = 2; k <= 4; ++k) {
    EXPECT_EQ(res.VertThumb(k)->Width(), 16);
    EXPECT_EQ(res.VertThumb(k)->Height(), 1);
  }
}

TEST_F(DerivedTest, ButtonsAreCutAndTurnedAndNoTransparentPixelRemains) {
  TvexaScrollBtnRes res;
  res.SetReader(&Load(ScrollSkin(16, 21, UniformRows)));
  for (int i = 1; i <= 6; ++i) {
    ASSERT_EQ(res.VertButton(i)->Width(), 16);
    ASSERT_EQ(res.HorzButton(i)->Height(), 16);
  }
  // The up arrow at (8, 3) points left once turned counter-clockwise: (x, y) -> (y, 15 - x).
  EXPECT_EQ(res.VertButton(1)->Pixel(8, 3), TColor(kUpArrow));
  EXPECT_EQ(res.HorzButton(1)->Pixel(3, 7), TColor(kUpArrow));
  EXPECT_EQ(res.VertButton(4)->Pixel(8, 3), TColor(kDownArrow));
  EXPECT_EQ(res.HorzButton(4)->Pixel(3, 7), TColor(kDownArrow));
  EXPECT_EQ(res.VertButton(2)->Pixel(5, 5), 0x303031);
  std::vector<TBitmap*> all;
  for (int i = 1; i <= 6; ++i) all.insert(all.end(), {res.HorzButton(i), res.VertButton(i)});
  for (int k = 1; k <= 5; ++k) all.insert(all.end(), {res.HorzThumb(k), res.VertThumb(k)});
  for (TBitmap* b : all)
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x) ASSERT_NE(b->Pixel(x, y), TColor(kMagenta));
  EXPECT_EQ(res.VertButton(1)->Pixel(0, 0), TColor(kScroll));
  EXPECT_EQ(res.VertThumb(1)->Pixel(0, 0), TColor(kScroll));
}

TEST_F(DerivedTest, GripWithAPictureTurnsTheOtherWayAndSwapsTheButtons) {
  // Row 10 is row 1 of the grip piece (rows 9-13); a stripe across it makes it non-uniform.
  TvexaScrollBtnRes res;
  res.SetReader(&Load(ScrollSkin(16, 21, [](int x, int y) { return y == 10 && x == 8 ? 0x0000FFu : RowColour(y); })));
  // Reversed order, turned clockwise: horizontal piece 5 is vertical piece 1, (x, y) -> (H - 1 - y, x).
  TBitmap* h5 = res.HorzThumb(5);
  ASSERT_EQ(h5->Width(), 3);
  ASSERT_EQ(h5->Height(), 16);
  for (int y = 0; y < 3; ++y) EXPECT_EQ(h5->Pixel(2 - y, 5), TColor(RowColour(y)));
  EXPECT_EQ(res.HorzThumb(3)->Pixel(5 - 1 - 1, 8), 0x0000FF) << "grip row 1 lands in column H - 1 - 1";
  // Buttons 1-3 are now the down frames, 4-6 the up frames, each turned clockwise.
  EXPECT_EQ(res.HorzButton(1)->Pixel(12, 8), TColor(kDownArrow));
  EXPECT_EQ(res.HorzButton(4)->Pixel(12, 8), TColor(kUpArrow));
  EXPECT_EQ(res.VertButton(1)->Pixel(8, 3), TColor(kUpArrow)) << "vertical buttons stay as cut";
}

TEST_F(DerivedTest, CapsuleThumbKeepsWholeUnrecolouredCopies) {
  auto capsule = [](int x, int y) -> uint32_t {
    if (x == 1 && y == 10) return 0xB23901;
    return x == 0 && y == 0 ? kMagenta : RowColour(y);
  };
  TvexaScrollBtnRes res;
  res.SetReader(&Load(ScrollSkin(16, 33, capsule, 0xCBCBCB)));
  ASSERT_TRUE(res.WholeThumb());
  TBitmap *vert = res.WholeThumbVert(), *horz = res.WholeThumbHorz();
  ASSERT_TRUE(vert && horz);
  EXPECT_EQ(vert->Width(), 16);
  EXPECT_EQ(vert->Height(), 33);
  EXPECT_EQ(vert->Pixel(1, 10), 0xB23901);
  EXPECT_EQ(vert->Pixel(0, 0), TColor(kMagenta));
  ASSERT_EQ(horz->Width(), 33);
  EXPECT_EQ(horz->Pixel(10, 14), 0xB23901);
  EXPECT_EQ(horz->Pixel(0, 15), TColor(kMagenta));
  EXPECT_EQ(res.VertThumb(1)->Pixel(0, 0), 0xCBCBCB) << "the pieces are recoloured as usual";

  const struct {
    const char* why;
    int height;
    uint32_t scroll;
  } variants[] = {{"other scroll colour", 33, 0xCBCBCC}, {"other height", 34, 0xCBCBCB}};
  for (const auto& n : variants) {
    res.SetReader(&Load(ScrollSkin(16, n.height, capsule, n.scroll)));
    EXPECT_FALSE(res.WholeThumb()) << n.why;
    EXPECT_EQ(res.WholeThumbVert(), nullptr) << n.why;
  }
}

TEST_F(DerivedTest, NothingIsBuiltWithoutASkin) {
  TvexaScrollBtnRes scroll;
  TvexaProgressBarRes progress;
  scroll.SetReader(&Load(ScrollSkin(16, 33, [](int x, int y) { return x == 1 && y == 10 ? 0xB23901u : 1u; }, 0xCBCBCB)));
  progress.SetReader(&reader);
  ASSERT_TRUE(scroll.WholeThumb());
  reader.LoadFromFile(dir.File("missing.mvx"), "");
  scroll.Rebuild();
  progress.Rebuild();
  EXPECT_FALSE(scroll.WholeThumb());
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(scroll.HorzButton(i), nullptr);
  EXPECT_EQ(scroll.VertThumb(1), nullptr);
  EXPECT_EQ(scroll.WholeThumbHorz(), nullptr);
  EXPECT_EQ(progress.HorzPiece(1), nullptr);
  EXPECT_EQ(progress.VertPiece(4), nullptr);
}

TEST_F(DerivedTest, SkinWithoutBarKeepsButtonsUnrecoloured) {
  auto records = ScrollSkin(16, 21, UniformRows);
  records.pop_back();
  TvexaScrollBtnRes res;
  res.SetReader(&Load(records));
  EXPECT_EQ(res.VertButton(1)->Pixel(0, 0), TColor(kMagenta));
  EXPECT_TRUE(res.VertThumb(1)->Empty());
  EXPECT_FALSE(res.WholeThumb());
}

TEST_F(DerivedTest, TabPiecesInFourTurns) {
  constexpr uint32_t kActive = 0x0A0B0C, kInactive = 0x0D0E0F, kMark = 0x00FFFF;
  Load({MakeIntegerRecord("SKIN2_TRANSCOLOR", int32_t(kMagenta)),
        BitmapRecord("SKIN2_TABCONTROL", 24, 22,
                     [](int x, int y) { return x % 12 == 1 && y == 2 ? kMark : x < 12 ? kActive : kInactive; }),
        BitmapRecord("SKIN2_TABCONTROLLINE", 5, 2, [](int x, int) { return uint32_t(x); })});
  TvexaTabRes res;
  res.SetReader(&reader);
  struct Turn {
    TTabTurn turn;
    int w, h, markX, markY;  // where the mark at (1, 2) of a 12 by 22 frame lands
  } turns[] = {{TTabTurn::AsIs, 12, 22, 1, 2},
               {TTabTurn::QuarterCCW, 22, 12, 2, 10},
               {TTabTurn::Half, 12, 22, 10, 19},
               {TTabTurn::QuarterCW, 22, 12, 19, 1}};
  for (const Turn& t : turns) {
    for (auto [bitmap, colour] : {std::pair{res.ActiveTab(t.turn), kActive}, std::pair{res.InactiveTab(t.turn), kInactive}}) {
      ASSERT_NE(bitmap, nullptr);
      ASSERT_EQ(bitmap->Width(), t.w);
      ASSERT_EQ(bitmap->Height(), t.h);
      EXPECT_EQ(bitmap->Pixel(t.markX, t.markY), TColor(kMark));
      EXPECT_EQ(bitmap->Pixel(t.w / 2, t.h / 2), TColor(colour));
    }
  }
  EXPECT_EQ(res.Line(TTabTurn::AsIs)->Width(), 5);
  EXPECT_EQ(res.Line(TTabTurn::QuarterCW)->Width(), 2);
  EXPECT_EQ(res.Line(TTabTurn::Half)->Pixel(0, 0), 4);
}

TEST_F(DerivedTest, ProgressPiecesAndCapWidths) {
  std::vector<Sk2Record> records;
  const int widths[4] = {3, 8, 7, 4};
  for (int k = 0; k < 4; ++k)
    records.push_back(BitmapRecord("SKIN2_PROGRESSBAR" + std::to_string(k + 1), widths[k], 16,
                                   [k](int x, int y) { return uint32_t(k << 16 | x << 8 | y); }));
  TvexaProgressBarRes res;
  res.SetReader(&Load(records));
  for (int k = 1; k <= 4; ++k) {
    TBitmap *h = res.HorzPiece(k), *v = res.VertPiece(k);
    ASSERT_TRUE(h && v);
    EXPECT_EQ(h->Width(), widths[k - 1]);
    EXPECT_EQ(h->Pixel(2, 9), TColor((k - 1) << 16 | 2 << 8 | 9));
    ASSERT_EQ(v->Width(), 16);
    ASSERT_EQ(v->Height(), widths[k - 1]);
    EXPECT_EQ(v->Pixel(9, widths[k - 1] - 1 - 2), TColor((k - 1) << 16 | 2 << 8 | 9));
  }
  EXPECT_NE(res.HorzPiece(1), reader.GetSkinBitmap(SKIN2_PROGRESSBAR1)) << "pieces are copies";
  EXPECT_EQ(res.StartCapWidth(), 3);
  EXPECT_EQ(res.EndCapWidth(), 4);
  EXPECT_EQ(res.HorzPiece(5), nullptr);
}

}  // namespace
