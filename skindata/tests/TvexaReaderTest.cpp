// The reader by resource id: defaults, the transparent colour on every bitmap, the track bar's form
// colour, and what a failed load leaves behind.
#include <gtest/gtest.h>

#include "FileStream.h"
#include "SkinError.h"
#include "SkinFixture.h"
#include "TvexaReader.h"

using namespace testfiles;

namespace {

constexpr uint32_t kFormColor = 0xE8EBF0;

// Magenta in the left column, a solid colour elsewhere.
auto LeftColumnMagenta(uint32_t colour) {
  return [colour](int x, int) { return x == 0 ? kMagenta : colour; };
}

std::vector<Sk2Record> GoodSkin() {
  return {
      MakeIntegerRecord("SKIN2_TRANSCOLOR", int32_t(kMagenta)),
      MakeIntegerRecord("SKIN2_FORMCOLOR", int32_t(kFormColor)),
      MakeIntegerRecord("SKIN2_TITLEBARREGIONMINY", -1),
      MakeIntegerRecord("SKIN2_TITLEBARICONPOSX", 6),
      MakeBooleanRecord("SKIN2_TITLEFIVESECT", 2),
      BitmapRecord("SKIN2_TRACKBAR", 6, 3, LeftColumnMagenta(0x102030)),
      BitmapRecord("SKIN2_BUTTON", 9, 5, LeftColumnMagenta(0x405060)),
  };
}

class ReaderTest : public ::testing::Test {
protected:
  PrivateTempDir dir;
  int loadedEvents = 0;
  TvexaReader::TNotifyEvent CountLoads() {
    return [this](TvexaReader*) { ++loadedEvents; };
  }
};

void ExpectDefaults(const TvexaReader& reader) {
  EXPECT_FALSE(reader.SkinLoaded());
  EXPECT_EQ(reader.GetSkinBitmap(SKIN2_TITLEBAR1), nullptr);
  EXPECT_EQ(reader.GetSkinColor(SKIN2_FORMCOLOR), -1);
  EXPECT_EQ(reader.GetSkinInt(SKIN2_TITLEBARICONPOSX), -1);
  EXPECT_FALSE(reader.GetSkinBool(SKIN2_TITLEFIVESECT));
}

TEST_F(ReaderTest, MissingFileIsNoErrorAndStillAnnouncesTheLoad) {
  TvexaReader reader(dir.File("none.mvx"), "", CountLoads());
  ExpectDefaults(reader);
  EXPECT_EQ(loadedEvents, 1);
}

TEST_F(ReaderTest, AnswersByIdWithTheSkinsValues) {
  TvexaReader reader(WriteSkin(dir, "good.mvx", GoodSkin()), "", CountLoads());
  EXPECT_EQ(loadedEvents, 1);
  ASSERT_TRUE(reader.SkinLoaded());
  EXPECT_EQ(reader.GetSkinColor(SKIN2_TRANSCOLOR), TColor(kMagenta));
  EXPECT_EQ(reader.GetSkinColor(SKIN2_FORMCOLOR), TColor(kFormColor));
  EXPECT_EQ(reader.GetSkinInt(SKIN2_TITLEBARICONPOSX), 6);
  EXPECT_EQ(reader.GetSkinInt(SKIN2_TITLEBARREGIONMINY), -1) << "stored -1";
  EXPECT_EQ(reader.GetSkinInt(SKIN2_TITLEBARREGIONMAXY), -1) << "missing";
  EXPECT_TRUE(reader.GetSkinBool(SKIN2_TITLEFIVESECT));
  EXPECT_FALSE(reader.GetSkinBool(SKIN2_BUTTONTRANS));
  EXPECT_EQ(reader.GetSkinBitmap(SKIN2_TITLEBAR5), nullptr);
}

TEST_F(ReaderTest, IdsOutsideTheirKindGiveDefaults) {
  TvexaReader reader(WriteSkin(dir, "good.mvx", GoodSkin()), "");
  EXPECT_EQ(reader.GetSkinColor(-1), -1);
  EXPECT_EQ(reader.GetSkinColor(kColorIdCount), -1);
  EXPECT_EQ(reader.GetSkinBitmap(kBitmapIdCount), nullptr);
  EXPECT_EQ(reader.GetSkinInt(kIntIdCount), -1);
  EXPECT_FALSE(reader.GetSkinBool(kBoolIdCount));
  EXPECT_FALSE(reader.GetSkinBool(-1));
}

TEST_F(ReaderTest, TrackBarTakesTheFormColourOthersKeepTheirTransparentPixels) {
  TvexaReader reader(WriteSkin(dir, "good.mvx", GoodSkin()), "");
  TBitmap* track = reader.GetSkinBitmap(SKIN2_TRACKBAR);
  TBitmap* button = reader.GetSkinBitmap(SKIN2_BUTTON);
  ASSERT_TRUE(track && button);
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(track->Pixel(0, y), TColor(kFormColor));
    EXPECT_EQ(track->Pixel(1, y), 0x102030);
  }
  EXPECT_EQ(button->Pixel(0, 4), TColor(kMagenta));
  for (TBitmap* b : {track, button}) {
    EXPECT_EQ(b->TransparentMode(), TTransparentMode::tmFixed);
    EXPECT_EQ(b->TransparentColor(), TColor(kMagenta));
  }
}

TEST_F(ReaderTest, SkinWithoutTrackBarLoads) {
  auto records = GoodSkin();
  records.erase(records.begin() + 5);
  TvexaReader reader(WriteSkin(dir, "notrack.mvx", records), "");
  EXPECT_TRUE(reader.SkinLoaded());
  EXPECT_EQ(reader.GetSkinBitmap(SKIN2_TRACKBAR), nullptr);
  EXPECT_NE(reader.GetSkinBitmap(SKIN2_BUTTON), nullptr);
}

TEST_F(ReaderTest, FailedLoadDropsTheEarlierSkinAndSkipsTheEvent) {
  TvexaReader reader(WriteSkin(dir, "good.mvx", GoodSkin()), "", CountLoads());
  const std::string locked = WriteSkin(dir, "locked.mvx", GoodSkin(), "pw");
  try {
    reader.LoadFromFile(locked, "wrong");
    FAIL() << "loaded with a wrong password";
  } catch (const ESkinError& e) {
    EXPECT_STREQ(e.what(), "Wrong password!");
  }
  ExpectDefaults(reader);
  EXPECT_EQ(loadedEvents, 1);

  reader.LoadFromFile(locked, "pw");
  EXPECT_TRUE(reader.SkinLoaded());
  EXPECT_EQ(loadedEvents, 2);

  std::string broken = FileStream::ReadAll(locked);
  broken[0] = 'P';
  FileStream::WriteAll(dir.File("broken.mvx"), broken);
  EXPECT_THROW(reader.LoadFromFile(dir.File("broken.mvx"), "pw"), ESkinError);
  ExpectDefaults(reader);
}

TEST(ReaderSampleSkin, EveryBitmapUsesTheSkinsTransparentColour) {
  TvexaReader reader("skins/sample.mvx", "");
  ASSERT_TRUE(reader.SkinLoaded()) << "the build packs the sample skin into skins/sample.mvx";
  int bitmaps = 0;
  for (int id = 0; id < kBitmapIdCount; ++id)
    if (TBitmap* b = reader.GetSkinBitmap(id)) {
      ++bitmaps;
      EXPECT_EQ(b->TransparentColor(), reader.GetSkinColor(SKIN2_TRANSCOLOR)) << SkinKeys[kBitmapKeyOffset + id];
    }
  EXPECT_GE(bitmaps, 28);
}

}  // namespace
