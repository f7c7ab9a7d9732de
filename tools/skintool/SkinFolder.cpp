#include "SkinFolder.h"

#include <algorithm>
#include <map>
#include <set>

#include "BmpDecoder.h"
#include "FileStream.h"
#include "Sk2Format.h"
#include "Sk2SkinFileReader.h"
#include "SkinError.h"
#include "SkinText.h"
#include "ToolError.h"
#include "Utf8Path.h"

namespace fs = std::filesystem;

namespace {
const char kSkinText[] = "skin.txt";
const char kBmpExtension[] = ".bmp";

bool HasBmpExtension(const std::string& fileName) {
  return fileName.size() > 4 && AsciiUpper(fileName.substr(fileName.size() - 4)) == ".BMP";
}

std::string Join(const std::string& folder, const std::string& fileName) {
  return Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(fileName));
}

// The .bmp files of a folder by upper-cased name. Windows matches file names without regard to
// case, so the tool does too, and refuses folders where that is ambiguous.
std::map<std::string, std::string> ListBitmapFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  std::error_code error;
  for (const auto& item : fs::directory_iterator(PathFromUtf8(folder), error)) {
    if (!item.is_regular_file()) continue;
    const std::string name = Utf8FromPath(item.path().filename());
    if (!HasBmpExtension(name)) continue;
    auto [it, added] = files.emplace(AsciiUpper(name), name);
    if (!added)
      throw SkinToolError(folder + ": " + std::min(it->second, name) + " and " + std::max(it->second, name) +
                          " differ only in case; keep one of them");
  }
  if (error) throw SkinToolError(folder + ": cannot list the folder (" + error.message() + ")");
  return files;
}

std::string ReadFile(const std::string& path, const std::string& context) {
  try {
    return FileStream::ReadAll(path);
  } catch (const ESkinError&) {
    throw SkinToolError(context + "cannot read " + path);
  }
}

// Empty when the bytes decode as a BMP file, else the decoder's complaint.
std::string BmpProblem(const std::string& bytes) {
  try {
    DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return {};
  } catch (const ESkinError& e) {
    return e.what();
  }
}

Sk2Record RecordFor(const SkinTextEntry& entry) {
  switch (entry.Kind) {
    case SkinEntryKind::Integer:
      return MakeIntegerRecord(entry.Name, entry.Number);
    case SkinEntryKind::Boolean:
      return MakeBooleanRecord(entry.Name, static_cast<uint8_t>(entry.Number));
    case SkinEntryKind::String:
      return MakeStringRecord(entry.Name, entry.Text);
    case SkinEntryKind::Bitmap:
      break;
  }
  throw SkinToolError("internal error: bitmap entry without a file");
}

// Windows refuses these base names whatever the extension.
bool IsDeviceName(const std::string& stem) {
  static const std::set<std::string> names = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                              "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                              "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
  return names.count(AsciiUpper(stem)) != 0;
}

// A resource name that can serve as a file name on every platform.
bool IsPortableFileStem(const std::string& name) {
  return name.find_first_of("<>:\"|?*") == std::string::npos && !IsDeviceName(name);
}

// Undoes a partly written folder unless Commit() is reached.
class FolderWriter {
public:
  explicit FolderWriter(std::string folder) : FFolder(std::move(folder)) {}
  ~FolderWriter() {
    if (FCommitted) return;
    for (auto it = FWritten.rbegin(); it != FWritten.rend(); ++it) FileStream::Delete(*it);
    std::error_code ignored;
    for (auto it = FCreatedDirs.rbegin(); it != FCreatedDirs.rend(); ++it) fs::remove(*it, ignored);
  }
  FolderWriter(const FolderWriter&) = delete;
  FolderWriter& operator=(const FolderWriter&) = delete;

  void CreateFolder() {
    std::vector<fs::path> missing;
    for (fs::path p = PathFromUtf8(FFolder); !p.empty() && !fs::exists(p); p = p.parent_path()) {
      missing.push_back(p);
      if (p == p.parent_path()) break;
    }
    std::error_code error;
    fs::create_directories(PathFromUtf8(FFolder), error);
    if (error) throw SkinToolError(FFolder + ": cannot create the folder (" + error.message() + ")");
    FCreatedDirs.assign(missing.rbegin(), missing.rend());
  }

  void Write(const std::string& fileName, const std::string& bytes) {
    const std::string path = Join(FFolder, fileName);
    FWritten.push_back(path);
    try {
      FileStream::WriteAll(path, bytes);
    } catch (const ESkinError&) {
      throw SkinToolError(path + ": cannot write the file");
    }
  }

  void Commit() { FCommitted = true; }

private:
  std::string FFolder;
  std::vector<std::string> FWritten;
  std::vector<fs::path> FCreatedDirs;
  bool FCommitted = false;
};
}  // namespace

std::vector<Sk2Record> ReadSkinFolder(const std::string& folder) {
  std::error_code error;
  if (!fs::is_directory(PathFromUtf8(folder), error)) throw SkinToolError(folder + ": not a folder");
  const std::string textPath = Join(folder, kSkinText);
  if (!FileStream::Exists(textPath)) throw SkinToolError(textPath + ": not found");
  const std::vector<SkinTextEntry> entries = ParseSkinText(ReadFile(textPath, ""), textPath);

  std::map<std::string, std::string> bitmapFiles = ListBitmapFiles(folder);
  std::set<std::string> named;  // upper-cased file names that `bitmap` lines use
  std::vector<Sk2Record> records;
  for (const SkinTextEntry& entry : entries) {
    if (entry.Kind != SkinEntryKind::Bitmap) {
      records.push_back(RecordFor(entry));
      continue;
    }
    const std::string where = textPath + ":" + std::to_string(entry.Line) + ": ";
    std::string fileName = entry.Text.empty() ? entry.Name + kBmpExtension : entry.Text;
    if (auto it = bitmapFiles.find(AsciiUpper(fileName)); it != bitmapFiles.end()) fileName = it->second;
    const std::string path = Join(folder, fileName);
    if (!FileStream::Exists(path)) throw SkinToolError(where + "bitmap file " + fileName + " not found");
    named.insert(AsciiUpper(fileName));
    std::string bytes = ReadFile(path, where);
    if (const std::string problem = BmpProblem(bytes); !problem.empty())
      throw SkinToolError(where + fileName + " is not a valid BMP file (" + problem + ")");
    records.push_back(MakeBitmapRecord(entry.Name, std::move(bytes)));
  }

  std::vector<std::string> rest;
  for (const auto& [upper, fileName] : bitmapFiles)
    if (!named.count(upper)) rest.push_back(fileName);
  std::sort(rest.begin(), rest.end());  // byte order is ASCII order
  for (const std::string& fileName : rest) {
    const std::string path = Join(folder, fileName);
    const std::string name = fileName.substr(0, fileName.size() - 4);
    if (const std::string problem = SkinNameProblem(name); !problem.empty())
      throw SkinToolError(path + ": the file name gives the bitmap " + problem);
    std::string bytes = ReadFile(path, "");
    if (const std::string problem = BmpProblem(bytes); !problem.empty())
      throw SkinToolError(path + ": not a valid BMP file (" + problem + ")");
    records.push_back(MakeBitmapRecord(name, std::move(bytes)));
  }
  return records;
}

void WriteSkinFolder(const std::string& folder, const std::vector<Sk2Record>& records, const std::string& label) {
  // Everything is checked and named before the first file is written.
  std::vector<SkinTextEntry> entries;
  std::set<std::string> usedFiles;                 // upper-cased
  std::vector<std::pair<size_t, size_t>> pending;  // (entry, record) of bitmaps still without a file
  for (size_t i = 0; i < records.size(); ++i) {
    const Sk2Record& record = records[i];
    if (const std::string problem = SkinNameProblem(record.Name); !problem.empty())
      throw SkinToolError(label + ": resource " + problem + ", which skin.txt cannot hold");
    SkinTextEntry entry;
    entry.Name = record.Name;
    switch (record.Type) {
      case sk2::kBitmap: {
        entry.Kind = SkinEntryKind::Bitmap;
        const std::string fileName = record.Name + kBmpExtension;
        if (IsPortableFileStem(record.Name) && usedFiles.insert(AsciiUpper(fileName)).second)
          entry.Text = fileName;
        else
          pending.emplace_back(entries.size(), i);
        break;
      }
      case sk2::kInteger:
        entry.Kind = SkinEntryKind::Integer;
        entry.Number = IntegerPayload(record);
        break;
      case sk2::kBoolean:
        entry.Kind = SkinEntryKind::Boolean;
        entry.Number = static_cast<uint8_t>(record.Payload[0]);
        break;
      case sk2::kString:
        entry.Kind = SkinEntryKind::String;
        entry.Text = record.Payload;
        break;
      default:
        throw SkinToolError(label + ": resource \"" + record.Name + "\" has the unknown type " +
                            std::to_string(record.Type));
    }
    entries.push_back(std::move(entry));
  }
  // Repeated names (and names no file may carry) get numbered file names that no other
  // bitmap of the skin claims.
  for (const auto& [entryIndex, recordIndex] : pending) {
    const std::string& name = records[recordIndex].Name;
    const bool portable = IsPortableFileStem(name);
    const std::string stem = portable ? name + "_" : std::string("bitmap");
    for (int n = portable ? 2 : 1;; ++n) {
      const std::string fileName = stem + std::to_string(n) + kBmpExtension;
      if (usedFiles.insert(AsciiUpper(fileName)).second) {
        entries[entryIndex].Text = fileName;
        break;
      }
    }
  }
  std::vector<std::pair<std::string, const std::string*>> bitmapFiles;
  for (size_t e = 0; e < entries.size(); ++e) {  // entries[e] came from records[e]
    if (entries[e].Kind != SkinEntryKind::Bitmap) continue;
    bitmapFiles.emplace_back(entries[e].Text, &records[e].Payload);
    if (entries[e].Text == entries[e].Name + kBmpExtension) entries[e].Text.clear();  // the default file
  }
  const std::string text = FormatSkinText(entries);

  std::error_code error;
  if (fs::exists(PathFromUtf8(folder), error)) {
    if (!fs::is_directory(PathFromUtf8(folder), error)) throw SkinToolError(folder + ": exists and is not a folder");
    const auto existing = ListBitmapFiles(folder);
    if (FileStream::Exists(Join(folder, kSkinText)) || !existing.empty())
      throw SkinToolError(folder + ": already holds " +
                          (existing.empty() ? std::string(kSkinText) : existing.begin()->second) +
                          "; unpack into a new or empty folder");
  }

  FolderWriter writer(folder);
  writer.CreateFolder();
  for (const auto& [fileName, bytes] : bitmapFiles) writer.Write(fileName, *bytes);
  writer.Write(kSkinText, text);
  writer.Commit();
}
