#include <gtest/gtest.h>
#include <zlib.h>

#include "FileStream.h"
#include "Sk2Format.h"
#include "Sk2Writer.h"
#include "SkinArchive.h"
#include "SkinArchiveWriter.h"
#include "ToolRunner.h"

namespace {
uint16_t U16At(const std::string& b, size_t at) { return sk2::ReadU16(reinterpret_cast<const uint8_t*>(b.data()) + at); }
uint32_t U32At(const std::string& b, size_t at) { return sk2::ReadU32(reinterpret_cast<const uint8_t*>(b.data()) + at); }

std::string SampleSk2() {
  std::vector<Sk2Record> records;
  for (int i = 0; i < 40; ++i) records.push_back(MakeIntegerRecord("SKIN2_VALUE" + std::to_string(i), i * 1000));
  return BuildSk2File(records);
}

uint32_t Crc(const std::string& bytes) {
  return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

TEST(SkinArchiveWriter, WritesTheDistributedSkinLayout) {
  const std::string sk2 = SampleSk2();
  SkinArchiveOptions options;
  options.DosTime = 0x6C21;
  options.DosDate = 0x5A3B;
  const std::string a = BuildSkinArchive(sk2, options);

  // Local header.
  EXPECT_EQ(a.substr(0, 4), "SK\x03\x04");
  EXPECT_EQ(U16At(a, 4), 20);
  EXPECT_EQ(U16At(a, 6), 0);
  EXPECT_EQ(U16At(a, 8), 8);
  EXPECT_EQ(U16At(a, 10), 0x6C21);
  EXPECT_EQ(U16At(a, 12), 0x5A3B);
  EXPECT_EQ(U32At(a, 14), Crc(sk2));
  const uint32_t compressed = U32At(a, 18);
  EXPECT_EQ(U32At(a, 22), sk2.size());
  EXPECT_EQ(U16At(a, 26), 12);
  EXPECT_EQ(U16At(a, 28), 0);
  EXPECT_EQ(a.substr(30, 12), "SKINDATA.SK2");

  // Central directory right after the data, then the end record as the last 22 bytes.
  const size_t dir = 42 + compressed;
  ASSERT_EQ(a.size(), dir + 58 + 22);
  EXPECT_EQ(a.substr(dir, 4), "PK\x01\x02");
  EXPECT_EQ(U16At(a, dir + 4), 20);
  EXPECT_EQ(U16At(a, dir + 6), 20);
  EXPECT_EQ(U16At(a, dir + 8), 0);
  EXPECT_EQ(U16At(a, dir + 10), 8);
  EXPECT_EQ(U16At(a, dir + 12), 0x6C21);
  EXPECT_EQ(U16At(a, dir + 14), 0x5A3B);
  EXPECT_EQ(U32At(a, dir + 16), Crc(sk2));
  EXPECT_EQ(U32At(a, dir + 20), compressed);
  EXPECT_EQ(U32At(a, dir + 24), sk2.size());
  EXPECT_EQ(U16At(a, dir + 28), 12);
  EXPECT_EQ(a.substr(dir + 30, 16), std::string(16, '\0').replace(8, 4, "\x20\0\0\0", 4));
  EXPECT_EQ(a.substr(dir + 46, 12), "SKINDATA.SK2");

  const size_t end = dir + 58;
  EXPECT_EQ(a.substr(end, 4), "PK\x05\x06");
  EXPECT_EQ(U16At(a, end + 4), 0);
  EXPECT_EQ(U16At(a, end + 6), 0);
  EXPECT_EQ(U16At(a, end + 8), 1);
  EXPECT_EQ(U16At(a, end + 10), 1);
  EXPECT_EQ(U32At(a, end + 12), 58u);
  EXPECT_EQ(U32At(a, end + 16), dir);
  EXPECT_EQ(U16At(a, end + 20), 0);

  // The data are raw DEFLATE: inflating them without a wrapper gives the resource file back.
  z_stream z{};
  ASSERT_EQ(inflateInit2(&z, -15), Z_OK);
  std::string inflated(sk2.size() + 1, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(a.data() + 42));
  z.avail_in = compressed;
  z.next_out = reinterpret_cast<Bytef*>(inflated.data());
  z.avail_out = static_cast<uInt>(inflated.size());
  EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END);
  inflated.resize(z.total_out);
  inflateEnd(&z);
  EXPECT_EQ(inflated, sk2);
}

TEST(SkinArchiveWriter, EncipheredEntriesCarryTheFlagsAndTheHeader) {
  const std::string sk2 = SampleSk2();
  const std::string plain = BuildSkinArchive(sk2, {});
  SkinArchiveOptions byCrc;
  byCrc.Password = "secret";
  SkinArchiveOptions byTime = byCrc;
  byTime.CheckByteFromTime = true;
  for (const auto& [options, flags] : {std::pair{byCrc, 1}, std::pair{byTime, 9}}) {
    const std::string a = BuildSkinArchive(sk2, options);
    const size_t dir = a.size() - 22 - 58;
    EXPECT_EQ(U16At(a, 6), flags);
    EXPECT_EQ(U16At(a, dir + 8), flags);
    EXPECT_EQ(U32At(a, 18), U32At(plain, 18) + 12) << "the 12 header bytes count as compressed data";
  }
  // Eleven random bytes: two archives of the same data differ.
  EXPECT_NE(BuildSkinArchive(sk2, byCrc), BuildSkinArchive(sk2, byCrc));
}

// What ExtractSkinEntry makes of the writer's archives, for each way of checking the password.
TEST(SkinArchiveWriter, ExtractsWithTheEnginesReader) {
  const std::string sk2 = SampleSk2();
  // A time whose high byte differs from the CRC's, so the two check bytes cannot be confused.
  const uint16_t time = static_cast<uint16_t>(((Crc(sk2) >> 24) ^ 0x55) << 8 | 0x21);
  const struct {
    const char* what;
    std::string password;
    bool fromTime;
    std::string given;
    int result;
  } cases[] = {
      {"plain, no password", "", false, "", kExtractOk},
      {"plain, any password", "", false, "whatever", kExtractOk},
      {"crc check, right password", "pa55", false, "pa55", kExtractOk},
      {"crc check, no password", "pa55", false, "", kExtractBadPassword},
      {"crc check, wrong case", "pa55", false, "PA55", kExtractBadPassword},
      {"time check, right password", "pa55", true, "pa55", kExtractOk},
      {"time check, wrong password", "pa55", true, "other", kExtractBadPassword},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SkinArchiveOptions options;
    options.Password = c.password;
    options.CheckByteFromTime = c.fromTime;
    options.DosTime = time;
    dir.Write("skin.mvx", BuildSkinArchive(sk2, options));
    const std::string out = dir.Path("out.sk2");
    EXPECT_EQ(ExtractSkinEntry(dir.Path("skin.mvx"), "SKINDATA.SK2", out, c.given), c.result) << c.what;
    if (c.result == kExtractOk) {
      EXPECT_EQ(ReadBytes(out), sk2) << c.what;
    }
    FileStream::Delete(out);
  }
}
}  // namespace
