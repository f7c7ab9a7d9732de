#include <gtest/gtest.h>

#include "Sk2Format.h"
#include "Sk2RecordReader.h"
#include "Sk2Writer.h"
#include "ToolError.h"

namespace {
uint32_t U32At(const std::string& bytes, size_t offset) {
  return sk2::ReadU32(reinterpret_cast<const uint8_t*>(bytes.data()) + offset);
}

TEST(Sk2Writer, LaysOutHeaderRecordsPayloadsAndTerminator) {
  const std::string file = BuildSk2File({MakeIntegerRecord("SKIN2_FORMCOLOR", 0xC0C0C0), MakeStringRecord("S", "abc")});

  EXPECT_EQ(file.substr(0, 12), "MORVATEK_SK2");
  EXPECT_EQ(U32At(file, 12), 24u);
  EXPECT_EQ(U32At(file, 16), 2u);
  EXPECT_EQ(U32At(file, 20), 24u);

  // First record at 24, its 4-byte payload at 101, the next record right after.
  EXPECT_EQ(file.substr(24, 64), std::string("SKIN2_FORMCOLOR") + std::string(64 - 15, '\0'));
  EXPECT_EQ(file[24 + 64], 1);
  EXPECT_EQ(U32At(file, 24 + 65), 101u);
  EXPECT_EQ(U32At(file, 24 + 69), 4u);
  EXPECT_EQ(U32At(file, 24 + 73), 105u);
  EXPECT_EQ(file.substr(101, 4), std::string("\xC0\xC0\xC0\x00", 4));

  EXPECT_EQ(file[105 + 64], 3);
  EXPECT_EQ(U32At(file, 105 + 65), 182u);
  EXPECT_EQ(U32At(file, 105 + 69), 3u);
  EXPECT_EQ(U32At(file, 105 + 73), 185u);
  EXPECT_EQ(file.substr(182, 3), "abc");

  // Terminator: empty name, type 2, offsets and size 0; nothing after it.
  ASSERT_EQ(file.size(), 185u + 77u);
  EXPECT_EQ(file.substr(185, 64), std::string(64, '\0'));
  EXPECT_EQ(file[185 + 64], 2);
  EXPECT_EQ(file.substr(185 + 65), std::string(12, '\0'));
}

TEST(Sk2Writer, NameLengthLimitIs64Bytes) {
  const std::string full(64, 'N');
  const std::string file = BuildSk2File({MakeBooleanRecord(full, 1)});
  EXPECT_EQ(file.substr(24, 64), full);  // no terminating NUL when all 64 bytes are used
  EXPECT_EQ(ReadSk2Records(file, "x").at(0).Name, full);

  try {
    BuildSk2File({MakeBooleanRecord(full + "X", 1)});
    FAIL() << "a 65-byte name was accepted";
  } catch (const SkinToolError& e) {
    EXPECT_NE(std::string(e.what()).find(full + "X"), std::string::npos) << e.what();
  }
}

TEST(Sk2RecordReader, ReadsBackWhatTheWriterWrote) {
  const std::vector<Sk2Record> records = {
      MakeBitmapRecord("B", std::string("BM\0\x01", 4)), MakeIntegerRecord("I", -1), MakeBooleanRecord("F", 255),
      MakeStringRecord("S", ""),                          MakeIntegerRecord("I", 7),  // same name twice
  };
  EXPECT_EQ(ReadSk2Records(BuildSk2File(records), "x"), records);
  EXPECT_TRUE(ReadSk2Records(BuildSk2File({}), "x").empty());
}

TEST(Sk2RecordReader, KeepsUnknownTypesWithoutPayloadAndStopsAtALoop) {
  std::string file = BuildSk2File({MakeIntegerRecord("A", 1), {"ODD", 9, "zz"}, MakeIntegerRecord("C", 3)});
  auto records = ReadSk2Records(file, "x");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].Type, 9);
  EXPECT_EQ(records[1].Payload, "");

  // Point the third record's next offset back at the first: the walk ends instead of looping.
  const size_t third = 24 + 77 + 4 + 77 + 2;
  file[third + 73] = 24;
  file[third + 74] = file[third + 75] = file[third + 76] = 0;
  EXPECT_EQ(ReadSk2Records(file, "x").size(), 3u);
}

TEST(Sk2RecordReader, DamagedFilesNameTheSourceAndTheFault) {
  const std::string good = BuildSk2File({MakeIntegerRecord("I", 5)});
  auto withU32 = [&](size_t at, uint32_t value) {
    std::string bytes = good;
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    return bytes;
  };
  const struct {
    const char* what;
    std::string bytes;
    const char* message;
  } cases[] = {
      {"short header", good.substr(0, 20), "shorter than its header"},
      {"header size too small", withU32(12, 16), "bad header size 16"},
      {"first record past the end", withU32(20, 5000), "record at offset 5000 runs past the end"},
      {"payload past the end", withU32(24 + 65, 4000), "data of \"I\" runs past the end"},
      {"integer of 3 bytes", withU32(24 + 69, 3), "\"I\" has 3 bytes of data"},
  };
  for (const auto& c : cases) {
    try {
      ReadSk2Records(c.bytes, "skin.mvx");
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const SkinToolError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("skin.mvx: damaged resource file: ") + c.message) << c.what;
    }
  }
}
}  // namespace
