// The sample skin packed by the build (skins/sample.mvx below the build folder, the tests' working
// folder) must hold every resource the engine draws with, in the shapes its painters cut.
#include <gtest/gtest.h>

#include <map>

#include "ScopedFile.h"
#include "Sk2Format.h"
#include "Sk2RecordReader.h"
#include "Sk2SkinFileReader.h"
#include "SkinArchive.h"
#include "TempFileName.h"
#include "ToolRunner.h"

namespace {
const char kSample[] = "skins/sample.mvx";

const char* const kColours[] = {
    "SKIN2_TRANSCOLOR", "SKIN2_TITLEFONTCOLOR", "SKIN2_FORMCOLOR", "SKIN2_MENUBARSTARTCOLOR", "SKIN2_MENUBARENDCOLOR",
    "SKIN2_TOPSELECTEDMENUCOLOR", "SKIN2_TOPSELECTEDMENUBORDERCOLOR", "SKIN2_TOPSELECTEDMENUFONTCOLOR",
    "SKIN2_TOPMENUFONTCOLOR", "SKIN2_LEFTBARSTARTCOLOR", "SKIN2_LEFTBARENDCOLOR", "SKIN2_MENUITEMCOLOR",
    "SKIN2_MENUITEMFONTCOLOR", "SKIN2_SELECTEDMENUCOLOR", "SKIN2_SELECTEDMENUBORDERCOLOR",
    "SKIN2_SELECTEDMENUFONTCOLOR", "SKIN2_TOOLBARSTARTCOLOR", "SKIN2_TOOLBARENDCOLOR", "SKIN2_TOOLBARONCOLOR",
    "SKIN2_TOOLBARBORDERCOLOR", "SKIN2_TOOLBARDOWNCOLOR", "SKIN2_CONTROLCOLOR", "SKIN2_CONTROLBORDERCOLOR",
    "SKIN2_CONTROLFONTCOLOR", "SKIN2_BUTTONFONTCOLOR", "SKIN2_SCROLLBARCOLOR", "SKIN2_TABCONTROLCOLOR",
    "SKIN2_TABCONTROLBORDERCOLOR", "SKIN2_TABCONTROLACTIVEFONTCOLOR", "SKIN2_TABCONTROLINACTIVEFONTCOLOR",
    "SKIN2_SIDECHANNELCOLOR", "SKIN2_SIDECHANNELBORDERCOLOR", "SKIN2_SYSTEMCOLOR1", "SKIN2_SYSTEMCOLOR2"};
const char* const kMetrics[] = {"SKIN2_TITLEBARICONPOSX",   "SKIN2_TITLEBARICONPOSY",   "SKIN2_TITLEBARCAPTIONTOP",
                                "SKIN2_TITLEBARBUTTONPOSX", "SKIN2_TITLEBARBUTTONPOSY", "SKIN2_TITLEBARREGIONMINY",
                                "SKIN2_TITLEBARREGIONMAXY", "SKIN2_BOTTOMREGIONMINY",   "SKIN2_BOTTOMREGIONMAXY"};
const char* const kFlags[] = {"SKIN2_TITLEFIVESECT",         "SKIN2_BOTTOMBORDERTHREESECT", "SKIN2_TITLEBARNEEDREGION",
                              "SKIN2_BOTTOMBORDERNEEDREGION", "SKIN2_TITLEBTNTRANS",         "SKIN2_BUTTONTRANS",
                              "SKIN2_CHECKBOXTRANS",          "SKIN2_RADIOBUTTONTRANS",      "SKIN2_TABCONTROLTRANS"};

// Bitmap -> number of equal frames it is cut into (1: a single picture).
const std::map<std::string, int> kBitmapFrames = {
    {"SKIN2_TITLEBAR1", 1},         {"SKIN2_TITLEBAR2", 1},         {"SKIN2_TITLEBAR3", 1},
    {"SKIN2_FORMLEFTBORDER", 1},    {"SKIN2_FORMRIGHTBORDER", 1},   {"SKIN2_FORMBOTTOMBORDER1", 3},
    {"SKIN2_MINIMIZEDTITLE", 1},    {"SKIN2_TITLEBUTTONS", 18},     {"SKIN2_CHECKEDMENUICON", 1},
    {"SKIN2_MENUBAR", 1},           {"SKIN2_BUTTON", 3},            {"SKIN2_CHECKBOX", 6},
    {"SKIN2_CHECKBOXLIST", 6},      {"SKIN2_RADIOBUTTON", 4},       {"SKIN2_PROGRESSBAR1", 1},
    {"SKIN2_PROGRESSBAR2", 1},      {"SKIN2_PROGRESSBAR3", 1},      {"SKIN2_PROGRESSBAR4", 1},
    {"SKIN2_TRACKBAR", 3},          {"SKIN2_TRACKBARSLIDER", 1},    {"SKIN2_TRACKBARVSLIDER", 1},
    {"SKIN2_SCROLLBARUPBUTTON", 3}, {"SKIN2_SCROLLBAR", 1},         {"SKIN2_SCROLLBARDOWNBUTTON", 3},
    {"SKIN2_TABCONTROL", 6},  // two tabs, each a three-part strip
    {"SKIN2_TABCONTROLLINE", 1},    {"SKIN2_SIDECHANNELBAR", 1},    {"SKIN2_SIDECHANNELTITLE", 1},
    {"SKIN2_SCROLLBUTTON", 3}};

constexpr uint32_t kMagenta = 0xFF00FF;

TEST(SampleSkin, HoldsEveryResourceInItsShape) {
  const Tsk2SkinFileReader skin(kSample, "");
  EXPECT_EQ(skin.Integers().size(), std::size(kColours) + std::size(kMetrics));
  for (const char* key : kColours) EXPECT_GE(skin.GetInteger(key), 0) << key;
  std::map<std::string, int> counts;  // metrics may hold -1, so count them instead
  for (const auto& e : skin.Integers()) ++counts[e.Name];
  for (const char* key : kMetrics) EXPECT_EQ(counts[key], 1) << key;
  ASSERT_EQ(skin.Booleans().size(), std::size(kFlags));
  for (size_t i = 0; i < std::size(kFlags); ++i) EXPECT_EQ(skin.Booleans()[i].Name, kFlags[i]);

  EXPECT_EQ(skin.GetInteger("SKIN2_TRANSCOLOR"), 0xFF00FF);
  EXPECT_FALSE(skin.GetBool("SKIN2_BOTTOMBORDERTHREESECT"));
  EXPECT_FALSE(skin.GetBool("SKIN2_TITLEFIVESECT"));

  ASSERT_EQ(skin.Bitmaps().size(), kBitmapFrames.size());
  for (const auto& [key, frames] : kBitmapFrames) {
    const SkinImage* bitmap = skin.GetBitmap(key);
    ASSERT_NE(bitmap, nullptr) << key;
    EXPECT_EQ(bitmap->Width() % frames, 0) << key << " is not " << frames << " equal frames";
  }
  for (const char* absent : {"SKIN2_TITLEBAR4", "SKIN2_TITLEBAR5", "SKIN2_TOOLBAR", "SKIN2_FORMBOTTOMBORDER2",
                             "SKIN2_FORMBOTTOMBORDER3"})
    EXPECT_EQ(skin.GetBitmap(absent), nullptr) << absent;

  // The title pieces line up, and the caption buttons fit inside the title.
  const int title = skin.GetBitmap("SKIN2_TITLEBAR1")->Height();
  EXPECT_GE(title, 26);
  EXPECT_LE(title, 30);
  EXPECT_EQ(skin.GetBitmap("SKIN2_TITLEBAR2")->Height(), title);
  EXPECT_EQ(skin.GetBitmap("SKIN2_TITLEBAR3")->Height(), title);
  EXPECT_LE(skin.GetInteger("SKIN2_TITLEBARBUTTONPOSY") + skin.GetBitmap("SKIN2_TITLEBUTTONS")->Height(), title);
  // Scroll bar pieces in the sizes their painter is written for.
  EXPECT_EQ(skin.GetBitmap("SKIN2_SCROLLBARUPBUTTON")->Width(), 48);
  EXPECT_EQ(skin.GetBitmap("SKIN2_SCROLLBARUPBUTTON")->Height(), 16);
  EXPECT_EQ(skin.GetBitmap("SKIN2_SCROLLBARDOWNBUTTON")->Width(), 48);
  EXPECT_EQ(skin.GetBitmap("SKIN2_SCROLLBAR")->Width(), 16);
  EXPECT_EQ(skin.GetBitmap("SKIN2_SCROLLBAR")->Height(), 21);
  // Transparent corners where rounded shapes need them.
  EXPECT_EQ(skin.GetBitmap("SKIN2_TITLEBAR1")->Pixel(0, 0), kMagenta);
  EXPECT_EQ(skin.GetBitmap("SKIN2_TITLEBAR3")->Pixel(skin.GetBitmap("SKIN2_TITLEBAR3")->Width() - 1, 0), kMagenta);
  EXPECT_EQ(skin.GetBitmap("SKIN2_BUTTON")->Pixel(0, 0), kMagenta);
  EXPECT_EQ(skin.GetBitmap("SKIN2_TITLEBUTTONS")->Pixel(0, 0), kMagenta);
}

TEST(SampleSkin, BitmapsAre24BitUncompressedBottomUp) {
  ScopedFile sk2(NewTempFileName());
  ASSERT_EQ(ExtractSkinEntry(kSample, sk2::kEntryName, sk2.Path(), ""), kExtractOk);
  for (const Sk2Record& record : ReadSk2Records(ReadBytes(sk2.Path()), kSample)) {
    if (record.Type != sk2::kBitmap) continue;
    const auto* bmp = reinterpret_cast<const uint8_t*>(record.Payload.data());
    ASSERT_GE(record.Payload.size(), 54u) << record.Name;
    EXPECT_EQ(sk2::ReadU16(bmp + 28), 24) << record.Name;
    EXPECT_EQ(sk2::ReadU32(bmp + 30), 0u) << record.Name;
    EXPECT_LT(int32_t(sk2::ReadU32(bmp + 22)), 1 << 16) << record.Name << " is stored top-down";
    EXPECT_EQ(sk2::ReadU32(bmp + 10), 54u) << record.Name;
  }
}
}  // namespace
