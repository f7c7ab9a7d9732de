#include <gtest/gtest.h>

#include "SkinText.h"
#include "ToolError.h"

namespace {
TEST(SkinText, ParsesEveryKindWithItsSpacingRules) {
  const std::string text =
      "\xEF\xBB\xBF# made by hand\r\n"
      "\n"
      "   # indented comment\n"
      "integer SKIN2_FORMCOLOR 0xC0c0C0\r\n"
      "integer\tNEG\t-2147483648  \n"
      "boolean FLAG 255\n"
      "string TEXT  two leading, one trailing \n"
      "string EMPTY\n"
      "string TAB\tafter tab\n"
      "bitmap SKIN2_BUTTON\n"
      "bitmap SKIN2_BUTTON button-2.bmp\n";
  const auto e = ParseSkinText(text, "skin.txt");
  ASSERT_EQ(e.size(), 8u);
  EXPECT_EQ(e[0].Kind, SkinEntryKind::Integer);
  EXPECT_EQ(e[0].Number, 0xC0C0C0);
  EXPECT_EQ(e[0].Line, 4);
  EXPECT_EQ(e[1].Number, INT32_MIN);
  EXPECT_EQ(e[2].Kind, SkinEntryKind::Boolean);
  EXPECT_EQ(e[2].Number, 255);
  EXPECT_EQ(e[3].Text, " two leading, one trailing ");
  EXPECT_EQ(e[4].Text, "");
  EXPECT_EQ(e[5].Text, "after tab");
  EXPECT_EQ(e[6].Kind, SkinEntryKind::Bitmap);
  EXPECT_EQ(e[6].Text, "");
  EXPECT_EQ(e[7].Text, "button-2.bmp");
  EXPECT_EQ(e[7].Line, 11);
}

TEST(SkinText, FormattedTextParsesBackToTheSameEntries) {
  std::vector<SkinTextEntry> entries(7);
  entries[0] = {SkinEntryKind::Integer, "SKIN2_TITLEFONTCOLOR", 0xFFFFFF, "", 0};
  entries[1] = {SkinEntryKind::Integer, "SKIN2_TRANSCOLOR", -1, "", 0};  // negative colours stay decimal
  entries[2] = {SkinEntryKind::Integer, "SKIN2_TITLEBARICONPOSX", 2147483647, "", 0};
  entries[3] = {SkinEntryKind::Boolean, "SKIN2_BUTTONTRANS", 2, "", 0};
  entries[4] = {SkinEntryKind::String, "NOTE", 0, "  # not a comment\t", 0};
  entries[5] = {SkinEntryKind::String, "EMPTY", 0, "", 0};
  entries[6] = {SkinEntryKind::Bitmap, "SKIN2_BUTTON", 0, "SKIN2_BUTTON_2.bmp", 0};
  const std::string text = FormatSkinText(entries);
  EXPECT_NE(text.find("integer SKIN2_TITLEFONTCOLOR 0xFFFFFF\n"), std::string::npos) << text;

  const auto back = ParseSkinText(text, "skin.txt");
  ASSERT_EQ(back.size(), entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(back[i].Kind, entries[i].Kind) << i;
    EXPECT_EQ(back[i].Name, entries[i].Name) << i;
    EXPECT_EQ(back[i].Number, entries[i].Number) << i;
    EXPECT_EQ(back[i].Text, entries[i].Text) << i;
  }
}

TEST(SkinText, RefusesWhatItCannotWriteBack) {
  const struct {
    SkinTextEntry entry;
    const char* message;
  } cases[] = {
      {{SkinEntryKind::Integer, "TWO WORDS", 1, "", 0}, "name \"TWO WORDS\" contains whitespace"},
      {{SkinEntryKind::Integer, "A\x01", 1, "", 0}, "contains a control character"},
      {{SkinEntryKind::Bitmap, "DIR/NAME", 0, "", 0}, "contains a path separator"},
      {{SkinEntryKind::Integer, "", 1, "", 0}, "empty name"},
      {{SkinEntryKind::String, "LINES", 0, "one\ntwo", 0}, "string \"LINES\" holds a line break"},
  };
  for (const auto& c : cases) {
    try {
      FormatSkinText({c.entry});
      ADD_FAILURE() << c.message << ": accepted";
    } catch (const SkinToolError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}
}  // namespace
