// Parsing the SK2 resource table: lists in file order, lookups, defaults, hostile layouts, and the
// temporary-file rules of loading from an archive.
#include <gtest/gtest.h>

#include "FileStream.h"
#include "Sk2SkinFileReader.h"
#include "Sk2Writer.h"
#include "SkinArchiveWriter.h"
#include "SkinError.h"
#include "TestFiles.h"

using namespace testfiles;

namespace {

Sk2Record Int(const std::string& name, int32_t v) { return {name, 1, U32(uint32_t(v))}; }
Sk2Record Bool(const std::string& name, uint8_t v) { return {name, 2, std::string(1, char(v))}; }
Sk2Record Str(const std::string& name, const std::string& v) { return {name, 3, v}; }
Sk2Record Bmp(const std::string& name, int w, int h, uint32_t c) { return {name, 0, SolidBmp(w, h, c)}; }

Tsk2SkinFileReader ParseBytes(const std::string& bytes) {
  Tsk2SkinFileReader reader{Tsk2SkinFileReader::NoLoad{}};
  reader.Parse(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return reader;
}

const std::vector<Sk2Record> kSkin = {
    Bmp("SKIN2_BUTTON", 6, 2, 0x112233),
    Int("SKIN2_FORMCOLOR", 0xC0C0C0),
    Int("SKIN2_TITLEBARREGIONMINY", -1),
    {"SKIN2_FUTURE", 4, "ignored payload"},
    Bool("SKIN2_TITLEFIVESECT", 2),
    Bool("SKIN2_BUTTONTRANS", 0),
    Int("SKIN2_FORMCOLOR", 0x123456),  // a second entry of the same name is never found
    Str("AUTHOR", "Ann = Smith"),
    Bmp("skin2_button", 3, 3, 0x445566),
};

TEST(Sk2Parse, KeepsEveryKindInFileOrder) {
  auto reader = ParseBytes(BuildSk2File(kSkin));
  ASSERT_EQ(reader.Bitmaps().size(), 2u);
  EXPECT_EQ(reader.Bitmaps()[0].Name, "SKIN2_BUTTON");
  EXPECT_EQ(reader.Bitmaps()[1].Name, "skin2_button");
  ASSERT_EQ(reader.Integers().size(), 3u);
  EXPECT_EQ(reader.Integers()[0].Value, std::to_string(0xC0C0C0));
  EXPECT_EQ(reader.Integers()[1].Value, "-1");
  ASSERT_EQ(reader.Booleans().size(), 2u);
  EXPECT_EQ(reader.Booleans()[0].Value, "2");
  ASSERT_EQ(reader.Strings().size(), 1u);
  EXPECT_EQ(reader.Strings()[0].Value, "Ann = Smith");
}

TEST(Sk2Parse, LookupsIgnoreCaseTakeTheFirstAndDefault) {
  auto reader = ParseBytes(BuildSk2File(kSkin));
  EXPECT_EQ(reader.GetInteger("skin2_formcolor"), 0xC0C0C0);
  EXPECT_EQ(reader.GetInteger("SKIN2_TITLEBARREGIONMINY"), -1);
  EXPECT_EQ(reader.GetInteger("SKIN2_TITLEBARREGIONMAXY"), -1);
  EXPECT_TRUE(reader.GetBool("SKIN2_TITLEFIVESECT")) << "any non-zero byte is true";
  EXPECT_FALSE(reader.GetBool("SKIN2_BUTTONTRANS"));
  EXPECT_FALSE(reader.GetBool("SKIN2_MISSING"));
  SkinImage* button = reader.GetBitmap("Skin2_Button");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Width(), 6);
  EXPECT_EQ(button->Pixel(5, 1), 0x112233u);
  EXPECT_EQ(reader.GetBitmap("SKIN2_CHECKBOX"), nullptr);
  EXPECT_EQ(reader.GetInteger("SKIN2_BUTTON"), -1) << "kinds have separate lists";
}

TEST(Sk2Parse, EmptyChainGivesAnEmptyReader) {
  auto reader = ParseBytes(BuildSk2File({}));
  EXPECT_TRUE(reader.Bitmaps().empty() && reader.Integers().empty() && reader.Booleans().empty());
  EXPECT_EQ(reader.GetInteger("SKIN2_FORMCOLOR"), -1);
}

TEST(Sk2Parse, SetTransparentColorMarksEveryBitmap) {
  auto reader = ParseBytes(BuildSk2File(kSkin));
  reader.SetTransparentColor(0xFF00FF);
  for (const auto& entry : reader.Bitmaps()) {
    EXPECT_EQ(entry.Bitmap->TransparentMode(), TTransparentMode::tmFixed);
    EXPECT_EQ(entry.Bitmap->TransparentColor(), 0xFF00FF);
  }
}

// Offsets of the first entry record in the writer's layout.
constexpr size_t kFirst = 24, kType = kFirst + 64, kDataOffset = kFirst + 65, kDataSize = kFirst + 69,
                 kNext = kFirst + 73;

struct Hostile {
  const char* name;
  std::vector<Sk2Record> records;
  void (*patch)(std::string&);
};

class Sk2Hostile : public ::testing::TestWithParam<Hostile> {};

TEST_P(Sk2Hostile, FailsToReadCleanly) {
  std::string bytes = BuildSk2File(GetParam().records);
  GetParam().patch(bytes);
  try {
    ParseBytes(bytes);
    FAIL() << "parsed a broken file";
  } catch (const ESkinError& e) {
    EXPECT_STREQ(e.what(), "Failed to read skin file!");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, Sk2Hostile,
    ::testing::Values(
        Hostile{"ShorterThanHeader", {}, [](std::string& s) { s.resize(15); }},
        Hostile{"HeaderSizeBelow24", {}, [](std::string& s) { PutU32(s, 12, 23); }},
        Hostile{"HeaderSizePastEnd", {}, [](std::string& s) { PutU32(s, 12, uint32_t(s.size() + 1)); }},
        Hostile{"FirstRecordPastEnd", {}, [](std::string& s) { PutU32(s, 20, uint32_t(s.size() - 76)); }},
        Hostile{"DataPastEnd", {Int("A", 1)}, [](std::string& s) { PutU32(s, kDataOffset, uint32_t(s.size() - 3)); }},
        Hostile{"DataSizeHuge", {Str("A", "x")}, [](std::string& s) { PutU32(s, kDataSize, 0xFFFFFFFF); }},
        Hostile{"IntegerNotFourBytes", {Str("A", "abc")}, [](std::string& s) { s[kType] = 1; }},
        Hostile{"BooleanNotOneByte", {Int("A", 1)}, [](std::string& s) { s[kType] = 2; }},
        Hostile{"StringOver255", {Str("A", std::string(256, 's'))}, [](std::string&) {}},
        Hostile{"NextRecordPastEnd", {Int("A", 1)}, [](std::string& s) { PutU32(s, kNext, 0xFFFFFF00); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sk2Parse, UnknownTypeIsSkippedWithoutCheckingItsData) {
  std::string bytes = BuildSk2File({{"ODD", 9, "x"}, Int("B", 7)});
  PutU32(bytes, kDataOffset, 0xFFFFFFF0);
  auto reader = ParseBytes(bytes);
  EXPECT_EQ(reader.GetInteger("B"), 7);
}

TEST(Sk2Parse, ChainThatLoopsBackStops) {
  std::string bytes = BuildSk2File({Int("A", 1), Int("B", 2)});
  const size_t second = kFirst + 77 + 4;
  PutU32(bytes, second + 73, kFirst);  // B points back at A
  auto reader = ParseBytes(bytes);
  ASSERT_EQ(reader.Integers().size(), 2u);
  EXPECT_EQ(reader.GetInteger("B"), 2);
}

TEST(Sk2Parse, FullLengthNameHasNoTerminator) {
  const std::string name(64, 'N');
  auto reader = ParseBytes(BuildSk2File({Int(name, 5)}));
  EXPECT_EQ(reader.GetInteger(name), 5);
}

TEST(Sk2Parse, UndecodableBitmapRaisesAnImageError) {
  std::string bmp = SolidBmp(4, 4, 0);
  bmp[28] = 16;  // 16 bits per pixel
  EXPECT_THROW(ParseBytes(BuildSk2File({{"SKIN2_BUTTON", 0, bmp}})), EInvalidGraphic);
}

// Loading from an archive goes through a temporary file, which must be gone afterwards.
class Sk2Load : public ::testing::Test {
protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    FileStream::WriteAll(dir.File(name), bytes);
    return dir.File(name);
  }
  void ExpectOnly(const std::vector<std::string>& names) {
    auto listed = dir.List();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, names) << "a temporary file was left behind";
  }
  PrivateTempDir dir;
};

TEST_F(Sk2Load, LoadsAndRemovesItsTemporaryFile) {
  Tsk2SkinFileReader reader(Write("a.mvx", BuildSkinArchive(BuildSk2File(kSkin), {})), "");
  EXPECT_EQ(reader.GetInteger("SKIN2_FORMCOLOR"), 0xC0C0C0);
  ExpectOnly({"a.mvx"});
}

TEST_F(Sk2Load, ErrorsCarryTheirMessagesAndLeaveNothing) {
  SkinArchiveOptions pw;
  pw.Password = "pw";
  std::string badBmp = SolidBmp(2, 2, 0);
  badBmp[0] = 'X';
  struct {
    std::string archive, password, message;
  } cases[] = {
      {BuildSkinArchive(BuildSk2File(kSkin), pw), "", "Wrong password!"},
      {BuildSkinArchive(BuildSk2File(kSkin), pw), "wrong", "Wrong password!"},
      {"PK" + BuildSkinArchive(BuildSk2File(kSkin), {}).substr(2), "", "Failed to read skin file!"},
      {BuildSkinArchive(BuildSk2File({Int("A", 1)}).substr(0, 30), {}), "", "Failed to read skin file!"},
      {BuildSkinArchive(BuildSk2File({{"B", 0, badBmp}}), {}), "", "Bitmap image is not valid: missing \"BM\" signature"},
  };
  for (const auto& c : cases) {
    try {
      Tsk2SkinFileReader reader(Write("a.mvx", c.archive), c.password);
      ADD_FAILURE() << "loaded: " << c.message;
    } catch (const ESkinError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
    ExpectOnly({"a.mvx"});
  }
}

TEST_F(Sk2Load, MissingArchiveFailsToRead) {
  EXPECT_THROW(Tsk2SkinFileReader(dir.File("missing.mvx"), ""), ESkinError);
  ExpectOnly({});
}

}  // namespace
