// Extraction of the resource entry from skin archives: result codes, passwords, sizes, and that no
// output survives a failure.
#include <gtest/gtest.h>

#include "FileStream.h"
#include "SkinArchive.h"
#include "SkinArchiveWriter.h"
#include "TestFiles.h"

using namespace testfiles;

namespace {

const std::string kPayload = [] {
  std::string s;
  for (int i = 0; i < 5000; ++i) s += "resource line " + std::to_string(i * 7919 % 1013) + "\n";
  return s;
}();

std::string Archive(const std::string& payload = kPayload, SkinArchiveOptions options = {}) {
  return BuildSkinArchive(payload, options);
}
SkinArchiveOptions WithPassword(std::string password, bool timeCheck = false) {
  SkinArchiveOptions o;
  o.Password = std::move(password);
  o.CheckByteFromTime = timeCheck;
  o.DosTime = 0xA1B2;
  return o;
}
size_t CentralDir(const std::string& a) {
  return uint8_t(a[a.size() - 6]) | uint8_t(a[a.size() - 5]) << 8 | uint8_t(a[a.size() - 4]) << 16 |
         uint8_t(a[a.size() - 3]) << 24;
}
std::string WithUncompressedSize(std::string a, uint32_t size) {
  PutU32(a, CentralDir(a) + 24, size);
  return a;
}
std::string WithComment(std::string a) {
  PutU16(a, a.size() - 2, 7);
  return a + "comment";
}

struct Case {
  const char* name;
  std::string archive;
  std::string entry;
  std::string password;
  int result;
};

class ExtractTest : public ::testing::TestWithParam<Case> {};

TEST_P(ExtractTest, ResultAndOutput) {
  const Case& c = GetParam();
  PrivateTempDir dir;
  const std::string archive = dir.File("skin.mvx"), out = dir.File("out.sk2");
  FileStream::WriteAll(archive, c.archive);
  EXPECT_EQ(ExtractSkinEntry(archive, c.entry, out, c.password), c.result);
  if (c.result == kExtractOk) {
    EXPECT_EQ(FileStream::ReadAll(out), kPayload);
  } else {
    EXPECT_FALSE(FileStream::Exists(out)) << "a failed extraction left its output behind";
  }
  EXPECT_EQ(FileStream::ReadAll(archive), c.archive) << "the archive must never change";
}

std::string Truncated(const std::string& a, size_t n) { return a.substr(0, n); }
std::string PkStart(std::string a) {
  a[0] = 'P';
  return a;
}
std::string CentralDirPastEnd(std::string a) {
  PutU32(a, a.size() - 6, 0x7FFFFFF0);
  return a;
}
std::string LocalHeaderPastEnd(std::string a) {
  PutU32(a, CentralDir(a) + 42, 0x7FFFFFF0);
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Archives, ExtractTest,
    ::testing::Values(
        Case{"Plain", Archive(), "SKINDATA.SK2", "", kExtractOk},
        Case{"PasswordIgnoredWhenNotEnciphered", Archive(), "SKINDATA.SK2", "anything", kExtractOk},
        Case{"NameIgnoresCase", Archive(), "skindata.sk2", "", kExtractOk},
        Case{"NoSuchEntry", Archive(), "OTHER.SK2", "", kExtractUnreadable},
        Case{"OrdinaryZipStartsWithPK", PkStart(Archive()), "SKINDATA.SK2", "", kExtractUnreadable},
        Case{"ArchiveComment", WithComment(Archive()), "SKINDATA.SK2", "", kExtractUnreadable},
        Case{"ShorterThanEndRecord", Truncated(Archive(), 21), "SKINDATA.SK2", "", kExtractUnreadable},
        Case{"EmptyFile", "", "SKINDATA.SK2", "", kExtractUnreadable},
        Case{"CentralDirectoryPastEnd", CentralDirPastEnd(Archive()), "SKINDATA.SK2", "", kExtractUnreadable},
        Case{"LocalHeaderPastEnd", LocalHeaderPastEnd(Archive()), "SKINDATA.SK2", "", kExtractBadPassword},
        Case{"SizeFieldTooLarge", WithUncompressedSize(Archive(), uint32_t(kPayload.size() + 1)), "SKINDATA.SK2", "",
             kExtractBadPassword},
        Case{"SizeFieldTooSmall", WithUncompressedSize(Archive(), uint32_t(kPayload.size() - 1)), "SKINDATA.SK2", "",
             kExtractBadPassword},
        Case{"EncipheredRightPassword", Archive(kPayload, WithPassword("s3cret")), "SKINDATA.SK2", "s3cret", kExtractOk},
        Case{"EncipheredEmptyPassword", Archive(kPayload, WithPassword("s3cret")), "SKINDATA.SK2", "",
             kExtractBadPassword},
        Case{"EncipheredWrongPassword", Archive(kPayload, WithPassword("s3cret")), "SKINDATA.SK2", "S3CRET",
             kExtractBadPassword},
        Case{"TimeCheckByteRightPassword", Archive(kPayload, WithPassword("pw", true)), "SKINDATA.SK2", "pw",
             kExtractOk},
        Case{"TimeCheckByteWrongPassword", Archive(kPayload, WithPassword("pw", true)), "SKINDATA.SK2", "px",
             kExtractBadPassword}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExtractSkinEntry, MissingArchiveIsUnreadable) {
  PrivateTempDir dir;
  EXPECT_EQ(ExtractSkinEntry(dir.File("nope.mvx"), "SKINDATA.SK2", dir.File("out"), ""), kExtractUnreadable);
  EXPECT_TRUE(dir.List().empty());
}

TEST(ExtractSkinEntry, EntryThatInflatesToNothingIsUnreadable) {
  PrivateTempDir dir;
  FileStream::WriteAll(dir.File("a.mvx"), Archive(""));
  EXPECT_EQ(ExtractSkinEntry(dir.File("a.mvx"), "SKINDATA.SK2", dir.File("out"), ""), kExtractUnreadable);
  EXPECT_FALSE(FileStream::Exists(dir.File("out")));
}

TEST(ExtractSkinEntry, ReplacesAnExistingOutputFile) {
  PrivateTempDir dir;
  FileStream::WriteAll(dir.File("a.mvx"), Archive());
  FileStream::WriteAll(dir.File("out"), std::string(100000, 'x'));
  ASSERT_EQ(ExtractSkinEntry(dir.File("a.mvx"), "SKINDATA.SK2", dir.File("out"), ""), kExtractOk);
  EXPECT_EQ(FileStream::ReadAll(dir.File("out")), kPayload);
}

TEST(ExtractSkinEntry, FailureBeforeExtractingLeavesAnExistingFileAlone) {
  // Nothing was written to the output path, so whatever was there belongs to someone else.
  PrivateTempDir dir;
  FileStream::WriteAll(dir.File("a.mvx"), PkStart(Archive()));
  FileStream::WriteAll(dir.File("out"), "keep me");
  EXPECT_EQ(ExtractSkinEntry(dir.File("a.mvx"), "SKINDATA.SK2", dir.File("out"), ""), kExtractUnreadable);
  EXPECT_EQ(FileStream::ReadAll(dir.File("out")), "keep me");
}

TEST(ExtractSkinEntry, OutputOntoTheArchiveItselfIsRefused) {
  PrivateTempDir dir;
  const std::string a = Archive();
  FileStream::WriteAll(dir.File("a.mvx"), a);
  EXPECT_EQ(ExtractSkinEntry(dir.File("a.mvx"), "SKINDATA.SK2", dir.File("a.mvx"), ""), kExtractUnreadable);
  EXPECT_EQ(FileStream::ReadAll(dir.File("a.mvx")), a);
}

TEST(ExtractSkinEntry, InflationStopsAtTheDirectorySize) {
  // 64 MB of zeros deflate to a few tens of kilobytes; a directory claiming 10 bytes must not let
  // the output grow to the full size before the check.
  PrivateTempDir dir;
  std::string bomb = WithUncompressedSize(Archive(std::string(64u << 20, '\0')), 10);
  FileStream::WriteAll(dir.File("bomb.mvx"), bomb);
  EXPECT_LT(bomb.size(), 200000u);
  EXPECT_EQ(ExtractSkinEntry(dir.File("bomb.mvx"), "SKINDATA.SK2", dir.File("out"), ""), kExtractBadPassword);
  EXPECT_FALSE(FileStream::Exists(dir.File("out")));
}

TEST(FindEndOfCentralDir, PositionsAtTheLast22Bytes) {
  PrivateTempDir dir;
  const std::string a = Archive();
  FileStream::WriteAll(dir.File("a"), a);
  FileStream good(dir.File("a"), FileStream::Mode::OpenRead);
  EXPECT_EQ(FindEndOfCentralDir(good), int64_t(a.size() - 22));
  EXPECT_EQ(good.Position(), int64_t(a.size() - 22));

  FileStream::WriteAll(dir.File("c"), WithComment(a));
  FileStream commented(dir.File("c"), FileStream::Mode::OpenRead);
  EXPECT_LT(FindEndOfCentralDir(commented), 0);

  FileStream::WriteAll(dir.File("s"), a.substr(a.size() - 21));
  FileStream shortFile(dir.File("s"), FileStream::Mode::OpenRead);
  EXPECT_LT(FindEndOfCentralDir(shortFile), 0);
}

}  // namespace
