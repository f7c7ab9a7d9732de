// Runs the skintool program itself, as a skin author would.
#include <gtest/gtest.h>

#include "BmpFixture.h"
#include "FileStream.h"
#include "Sk2Format.h"
#include "Sk2RecordReader.h"
#include "Sk2Writer.h"
#include "SkinArchiveWriter.h"
#include "ToolRunner.h"

namespace {
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<Sk2Record> StoredRecords(const std::string& archive, const std::string& password = {}) {
  TempDir dir;
  const ToolResult r = RunSkinTool({"extract", archive, dir.Path("out.sk2"), "--password", password});
  EXPECT_EQ(r.Exit, 0) << r.Err;
  return r.Exit == 0 ? ReadSk2Records(ReadBytes(dir.Path("out.sk2")), archive) : std::vector<Sk2Record>{};
}

std::vector<std::string> Names(const std::vector<Sk2Record>& records) {
  std::vector<std::string> names;
  for (const auto& r : records) names.push_back(r.Name);
  return names;
}

// A small skin folder that uses every line form.
void WriteFixtureFolder(const TempDir& dir, const std::string& folder) {
  dir.Write(folder + "/skin.txt",
            "# sample\r\n"
            "integer SKIN2_FORMCOLOR 0xC0C0C0\r\n"
            "bitmap SKIN2_BUTTON\n"
            "\n"
            "boolean SKIN2_BUTTONTRANS 1\n"
            "string SKIN2_NOTE  two spaces kept \n"
            "integer SKIN2_TITLEBARREGIONMINY -1\n"
            "bitmap SKIN2_TITLEBAR1 title-left.bmp\n");
  dir.Write(folder + "/SKIN2_BUTTON.bmp", MakeBmp(6, 3, 1));
  dir.Write(folder + "/title-left.bmp", MakeBmp(2, 4, 2));
  // Not named by a bitmap line: appended in ASCII order of the file names.
  dir.Write(folder + "/b_lower.bmp", MakeBmp(3, 1, 3));
  dir.Write(folder + "/B_UPPER.bmp", MakeBmp(1, 1, 4));
  dir.Write(folder + "/A_FIRST.bmp", MakeBmp(1, 2, 5));
  dir.Write(folder + "/notes.md", "ignored: not a bitmap");
}

const char kFixtureDump[] =
    "bitmap SKIN2_BUTTON 6x3\n"
    "bitmap SKIN2_TITLEBAR1 2x4\n"
    "bitmap A_FIRST 1x2\n"
    "bitmap B_UPPER 1x1\n"
    "bitmap b_lower 3x1\n"
    "integer SKIN2_FORMCOLOR 12632256\n"
    "integer SKIN2_TITLEBARREGIONMINY -1\n"
    "boolean SKIN2_BUTTONTRANS 1\n"
    "string SKIN2_NOTE  two spaces kept \n";

TEST(SkinTool, PackThenDumpListsTheFolder) {
  TempDir dir;
  WriteFixtureFolder(dir, "src");
  const ToolResult pack = RunSkinTool({"pack", dir.Path("src"), dir.Path("skin.mvx")});
  ASSERT_EQ(pack.Exit, 0) << pack.Err;
  EXPECT_EQ(pack.Err, "");

  const ToolResult dump = RunSkinTool({"dump", dir.Path("skin.mvx")});
  EXPECT_EQ(dump.Exit, 0) << dump.Err;
  EXPECT_EQ(dump.Out, kFixtureDump);
  EXPECT_EQ(ReadBytes(dir.Path("skin.mvx")).substr(0, 4), "SK\x03\x04");
}

TEST(SkinTool, PackStoresSkinTxtOrderThenTheOtherBitmapsByteForByte) {
  TempDir dir;
  WriteFixtureFolder(dir, "src");
  ASSERT_EQ(RunSkinTool({"pack", dir.Path("src"), dir.Path("skin.mvx")}).Exit, 0);

  const auto records = StoredRecords(dir.Path("skin.mvx"));
  EXPECT_EQ(Names(records),
            (std::vector<std::string>{"SKIN2_FORMCOLOR", "SKIN2_BUTTON", "SKIN2_BUTTONTRANS", "SKIN2_NOTE",
                                      "SKIN2_TITLEBARREGIONMINY", "SKIN2_TITLEBAR1", "A_FIRST", "B_UPPER", "b_lower"}));
  ASSERT_EQ(records.size(), 9u);
  EXPECT_EQ(records[1].Payload, MakeBmp(6, 3, 1));
  EXPECT_EQ(records[5].Payload, MakeBmp(2, 4, 2));
  EXPECT_EQ(records[0].Payload, std::string("\xC0\xC0\xC0\x00", 4));
}

TEST(SkinTool, PasswordProtectedArchiveNeedsTheRightPassword) {
  TempDir dir;
  WriteFixtureFolder(dir, "src");
  const ToolResult pack = RunSkinTool({"pack", dir.Path("src"), dir.Path("locked.mvx"), "--password", "Open Sesame"});
  ASSERT_EQ(pack.Exit, 0) << pack.Err;

  const struct {
    std::vector<std::string> password;
    int exit;
  } cases[] = {
      {{}, 2},
      {{"--password", ""}, 2},
      {{"--password", "open sesame"}, 2},
      {{"--password", "Open Sesame"}, 0},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"dump", dir.Path("locked.mvx")};
    args.insert(args.end(), c.password.begin(), c.password.end());
    const ToolResult r = RunSkinTool(args);
    const std::string given = c.password.empty() ? "(none)" : "\"" + c.password[1] + "\"";
    EXPECT_EQ(r.Exit, c.exit) << "password " << given;
    if (c.exit == 0) {
      EXPECT_EQ(r.Out, kFixtureDump);
    } else {
      EXPECT_EQ(r.Err, "Wrong password!\n") << "password " << given;
      EXPECT_EQ(r.Out, "");
    }
  }
}

TEST(SkinTool, ExtractReportsTheArchiveResult) {
  TempDir dir;
  const std::string sk2 = BuildSk2File({MakeIntegerRecord("SKIN2_FORMCOLOR", 0xC0C0C0), MakeStringRecord("S", "x")});
  SkinArchiveOptions timeChecked;
  timeChecked.Password = "pw";
  timeChecked.CheckByteFromTime = true;
  timeChecked.DosTime = 0xABCD;
  SkinArchiveOptions crcChecked;
  crcChecked.Password = "pw";
  dir.Write("plain.mvx", BuildSkinArchive(sk2, {}));
  dir.Write("time.mvx", BuildSkinArchive(sk2, timeChecked));
  dir.Write("crc.mvx", BuildSkinArchive(sk2, crcChecked));
  std::string zip = BuildSkinArchive(sk2, {});
  zip[0] = 'P';  // an ordinary ZIP file is not a skin archive
  dir.Write("ordinary.zip", zip);

  const struct {
    const char* archive;
    const char* password;
    int exit;
    const char* err;
  } cases[] = {
      {"plain.mvx", "", 0, ""},
      {"time.mvx", "pw", 0, ""},
      {"crc.mvx", "pw", 0, ""},
      {"time.mvx", "wrong", 2, "Wrong password!\n"},
      {"crc.mvx", "", 2, "Wrong password!\n"},
      {"missing.mvx", "", 1, "Failed to read skin file!\n"},
      {"ordinary.zip", "", 1, "Failed to read skin file!\n"},
  };
  for (const auto& c : cases) {
    const std::string out = dir.Path("out.sk2");
    const ToolResult r = RunSkinTool({"extract", dir.Path(c.archive), out, "--password", c.password});
    EXPECT_EQ(r.Exit, c.exit) << c.archive << " / " << c.password;
    EXPECT_EQ(r.Err, c.err) << c.archive << " / " << c.password;
    EXPECT_EQ(FileStream::Exists(out), c.exit == 0) << c.archive;
    if (c.exit == 0) {
      EXPECT_EQ(ReadBytes(out), sk2) << c.archive;
    }
    FileStream::Delete(out);
  }
}

TEST(SkinTool, UnpackThenPackKeepsEveryEntry) {
  TempDir dir;
  const std::vector<Sk2Record> source = {
      MakeIntegerRecord("SKIN2_TRANSCOLOR", 0xFF00FF),
      MakeBitmapRecord("SKIN2_BUTTON", MakeBmp(9, 3, 1)),
      MakeStringRecord("SKIN2_AUTHOR", "  Jo \"Pixel\" #1 "),
      MakeBitmapRecord("SKIN2_BUTTON", MakeBmp(3, 3, 2)),  // duplicate: the reader keeps the first
      MakeBitmapRecord("skin2_button", MakeBmp(2, 2, 3)),  // same file name where case is ignored
      MakeBitmapRecord("SKIN2_BUTTON_2", MakeBmp(1, 1, 4)),
      MakeBitmapRecord("CON", MakeBmp(1, 3, 5)),  // no Windows file may be called this
      MakeBitmapRecord("A:B", MakeBmp(3, 2, 6)),
      MakeBooleanRecord("SKIN2_BUTTONTRANS", 200),
      MakeIntegerRecord("SKIN2_TITLEBARREGIONMINY", -1),
      MakeStringRecord("SKIN2_EMPTY", ""),
  };
  std::vector<Sk2Record> withUnknown = source;
  withUnknown.insert(withUnknown.begin() + 2, Sk2Record{"SKIN2_FUTURE", 7, "??"});
  dir.Write("in.mvx", BuildSkinArchive(BuildSk2File(withUnknown), {}));

  const ToolResult unpack = RunSkinTool({"unpack", dir.Path("in.mvx"), dir.Path("folder/sub")});
  ASSERT_EQ(unpack.Exit, 0) << unpack.Err;
  EXPECT_TRUE(Contains(unpack.Err, "skipped resource \"SKIN2_FUTURE\" of unknown type 7")) << unpack.Err;
  EXPECT_EQ(ReadBytes(dir.Path("folder/sub/SKIN2_BUTTON.bmp")), MakeBmp(9, 3, 1));
  EXPECT_EQ(dir.List("folder/sub").size(), 7u);  // six bitmaps and skin.txt

  const ToolResult pack = RunSkinTool({"pack", dir.Path("folder/sub"), dir.Path("out.mvx")});
  ASSERT_EQ(pack.Exit, 0) << pack.Err;
  EXPECT_EQ(StoredRecords(dir.Path("out.mvx")), source);

  const ToolResult before = RunSkinTool({"dump", dir.Path("in.mvx")});
  const ToolResult after = RunSkinTool({"dump", dir.Path("out.mvx")});
  EXPECT_EQ(before.Exit, 0);
  EXPECT_EQ(after.Exit, 0);
  EXPECT_EQ(after.Out, before.Out);
  EXPECT_TRUE(Contains(after.Out, "string SKIN2_AUTHOR   Jo \"Pixel\" #1 \n")) << after.Out;
}

TEST(SkinTool, UnpackWithPasswordAndRefusals) {
  TempDir dir;
  SkinArchiveOptions locked;
  locked.Password = "pw";
  dir.Write("locked.mvx", BuildSkinArchive(BuildSk2File({MakeBooleanRecord("F", 1)}), locked));
  dir.Write("spaced.mvx", BuildSkinArchive(BuildSk2File({MakeBooleanRecord("TWO WORDS", 1)}), {}));
  dir.Write("taken/skin.txt", "boolean KEEP 1\n");

  ToolResult r = RunSkinTool({"unpack", dir.Path("locked.mvx"), dir.Path("a")});
  EXPECT_EQ(r.Exit, 2);
  EXPECT_EQ(r.Err, "Wrong password!\n");

  r = RunSkinTool({"unpack", dir.Path("spaced.mvx"), dir.Path("b")});
  EXPECT_EQ(r.Exit, 3);
  EXPECT_TRUE(Contains(r.Err, dir.Path("spaced.mvx") + ": resource name \"TWO WORDS\" contains whitespace")) << r.Err;

  r = RunSkinTool({"unpack", dir.Path("locked.mvx"), dir.Path("taken"), "--password", "pw"});
  EXPECT_EQ(r.Exit, 3);
  EXPECT_TRUE(Contains(r.Err, "already holds skin.txt")) << r.Err;
  EXPECT_EQ(ReadBytes(dir.Path("taken/skin.txt")), "boolean KEEP 1\n");

  // Nothing was created by the failed runs.
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"locked.mvx", "spaced.mvx", "taken"}));

  r = RunSkinTool({"unpack", dir.Path("locked.mvx"), dir.Path("c"), "--password", "pw"});
  EXPECT_EQ(r.Exit, 0) << r.Err;
  EXPECT_TRUE(Contains(ReadBytes(dir.Path("c/skin.txt")), "\nboolean F 1\n"));
}

TEST(SkinTool, PackErrorsNameTheFileLineAndProblem) {
  using Files = std::vector<std::pair<std::string, std::string>>;
  const std::string name65(65, 'N');
  const struct {
    std::string skinTxt;  // "-": no skin.txt at all
    Files files;
    std::string message;  // what follows the folder path ('/' stands for the separator)
  } cases[] = {
      {"integer A 1\nboolean SKIN2_BUTTONTRANS 300\n", {}, "/skin.txt:2: boolean value 300 out of range 0-255"},
      {"integer A 0x100000000\n", {}, "/skin.txt:1: integer value 0x100000000 out of range -2147483648 to 2147483647"},
      {"\n\ninteger A 12px\n", {}, "/skin.txt:3: integer value \"12px\" is not a number"},
      {"integer A\n", {}, "/skin.txt:1: integer entry needs a name and a value"},
      {"boolean A 1 2\n", {}, "/skin.txt:1: unexpected \"2\" at the end of the boolean entry"},
      {"colour A 1\n", {}, "/skin.txt:1: unknown entry kind \"colour\""},
      {"# x\ninteger SKIN2_\x7F 1\n", {}, "/skin.txt:2: name \"SKIN2_\x7F\" contains a control character"},
      {"integer " + name65 + " 1\n", {}, "/skin.txt:1: name \"" + name65 + "\" is 65 bytes long, at most 64"},
      {"string S " + std::string(256, 't') + "\n", {}, "/skin.txt:1: string text is 256 bytes long, at most 255"},
      {"bitmap SKIN2_TITLEBAR1\n", {}, "/skin.txt:1: bitmap file SKIN2_TITLEBAR1.bmp not found"},
      {"bitmap A ../outside.bmp\n", {}, "/skin.txt:1: bitmap file \"../outside.bmp\" must be a plain file name"},
      {"bitmap A bad.bmp\n", {{"bad.bmp", "BM not really"}}, "/skin.txt:1: bad.bmp is not a valid BMP file ("},
      {"", {{"junk.bmp", std::string(60, 'J')}}, "/junk.bmp: not a valid BMP file ("},
      {"", {{"my pic.bmp", MakeBmp(1, 1)}}, "/my pic.bmp: the file name gives the bitmap name \"my pic\" contains whitespace"},
#ifndef _WIN32  // one file on a file system that ignores case
      {"", {{"x.bmp", MakeBmp(1, 1)}, {"X.BMP", MakeBmp(1, 1)}}, ": X.BMP and x.bmp differ only in case"},
#endif
      {"-", {}, "/skin.txt: not found"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    dir.Write("out/keep.txt", "");
    std::filesystem::create_directories(dir.Path("src"));
    if (c.skinTxt != "-") dir.Write("src/skin.txt", c.skinTxt);
    for (const auto& [name, bytes] : c.files) dir.Write("src/" + name, bytes);

    const ToolResult r = RunSkinTool({"pack", dir.Path("src"), dir.Path("out/skin.mvx")});
    std::string expected = dir.Path("src") + c.message;
    if (c.message[0] == '/') expected[dir.Path("src").size()] = std::filesystem::path::preferred_separator;
    EXPECT_EQ(r.Exit, 3) << c.message;
    EXPECT_EQ(r.Err.rfind(expected, 0), 0u) << "expected: " << expected << "\n     got: " << r.Err;
    // No archive and no temporary file beside it.
    EXPECT_EQ(dir.List("out"), std::vector<std::string>{"keep.txt"}) << c.message;
  }
}

TEST(SkinTool, FailedPackLeavesTheOldArchive) {
  TempDir dir;
  WriteFixtureFolder(dir, "src");
  ASSERT_EQ(RunSkinTool({"pack", dir.Path("src"), dir.Path("skin.mvx")}).Exit, 0);
  const std::string before = ReadBytes(dir.Path("skin.mvx"));

  dir.Write("src/broken.bmp", "BM");
  const ToolResult r = RunSkinTool({"pack", dir.Path("src"), dir.Path("skin.mvx")});
  EXPECT_EQ(r.Exit, 3);
  EXPECT_EQ(ReadBytes(dir.Path("skin.mvx")), before);
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"skin.mvx", "src"}));

  // A good pack replaces it.
  FileStream::Delete(dir.Path("src/broken.bmp"));
  dir.Write("src/skin.txt", "integer ONLY 1\n");
  for (const char* f : {"SKIN2_BUTTON.bmp", "title-left.bmp", "b_lower.bmp", "B_UPPER.bmp", "A_FIRST.bmp"})
    FileStream::Delete(dir.Path(std::string("src/") + f));
  ASSERT_EQ(RunSkinTool({"pack", dir.Path("src"), dir.Path("skin.mvx")}).Exit, 0);
  EXPECT_EQ(RunSkinTool({"dump", dir.Path("skin.mvx")}).Out, "integer ONLY 1\n");
}

TEST(SkinTool, UsageErrorsExit64) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"list", "a.mvx"},
      {"dump"},
      {"dump", "a.mvx", "b.mvx"},
      {"pack", "folder"},
      {"unpack", "a.mvx", "folder", "--password"},
      {"extract", "a.mvx", "out", "--pasword", "x"},
  };
  for (const auto& args : cases) {
    const ToolResult r = RunSkinTool(args);
    std::string line;
    for (const auto& a : args) line += a + " ";
    EXPECT_EQ(r.Exit, 64) << line;
    EXPECT_TRUE(Contains(r.Err, "usage: skintool")) << line;
  }
}
}  // namespace
