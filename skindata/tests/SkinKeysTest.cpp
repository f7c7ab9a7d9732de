// The key table is part of the skin file format: ids index into it by kind.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "SkinKeys.h"

TEST(SkinKeys, KindsStartAtTheirOffsets) {
  EXPECT_STREQ(SkinKeys[kColorKeyOffset + SKIN2_TRANSCOLOR], "SKIN2_TRANSCOLOR");
  EXPECT_STREQ(SkinKeys[kColorKeyOffset + SKIN2_SIDECHANNELBORDERCOLOR], "SKIN2_SIDECHANNELBORDERCOLOR");
  EXPECT_STREQ(SkinKeys[kBitmapKeyOffset + SKIN2_TITLEBAR1], "SKIN2_TITLEBAR1");
  EXPECT_STREQ(SkinKeys[kBitmapKeyOffset + SKIN2_SCROLLBUTTON], "SKIN2_SCROLLBUTTON");
  EXPECT_STREQ(SkinKeys[kIntKeyOffset + SKIN2_TITLEBARICONPOSX], "SKIN2_TITLEBARICONPOSX");
  EXPECT_STREQ(SkinKeys[kIntKeyOffset + SKIN2_BOTTOMREGIONMAXY], "SKIN2_BOTTOMREGIONMAXY");
  EXPECT_STREQ(SkinKeys[kBoolKeyOffset + SKIN2_TITLEFIVESECT], "SKIN2_TITLEFIVESECT");
  EXPECT_STREQ(SkinKeys[kBoolKeyOffset + SKIN2_TABCONTROLTRANS], "SKIN2_TABCONTROLTRANS");
  EXPECT_EQ(kColorKeyOffset + kColorIdCount, kBitmapKeyOffset);
  EXPECT_EQ(kBitmapKeyOffset + kBitmapIdCount, kIntKeyOffset);
  EXPECT_EQ(kIntKeyOffset + kIntIdCount, kBoolKeyOffset);
  EXPECT_EQ(kBoolKeyOffset + kBoolIdCount, kSkinKeyCount);
}

TEST(SkinKeys, AreDistinctSkinNames) {
  std::set<std::string> names;
  for (const char* key : SkinKeys) {
    EXPECT_EQ(std::string(key).rfind("SKIN2_", 0), 0u) << key;
    names.insert(key);
  }
  EXPECT_EQ(names.size(), size_t(kSkinKeyCount));
}
