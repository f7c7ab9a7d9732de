#include "ToolCommands.h"

#include <algorithm>
#include <ctime>
#include <ostream>
#include <vector>

#include "AtomicFile.h"
#include "FileStream.h"
#include "ScopedFile.h"
#include "Sk2Format.h"
#include "Sk2RecordReader.h"
#include "Sk2SkinFileReader.h"
#include "Sk2Writer.h"
#include "SkinArchive.h"
#include "SkinArchiveWriter.h"
#include "SkinError.h"
#include "SkinFolder.h"
#include "TempFileName.h"
#include "ToolError.h"

namespace {
int ExitCodeFor(const std::string& message) {
  if (message == kMsgWrongPassword) return kExitWrongPassword;
  if (message == kMsgFailedToRead) return kExitUnreadable;
  return kExitOtherError;
}

// Runs a command body, turning every error into its message on `err` and its exit code.
template <typename Body>
int Guarded(std::ostream& err, Body body) {
  try {
    return body();
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return ExitCodeFor(e.what());
  }
}

// The local time in the 16-bit DOS time and date fields of a ZIP entry.
void CurrentDosTime(SkinArchiveOptions& options) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  const int year = std::max(local.tm_year + 1900, 1980);
  options.DosTime = static_cast<uint16_t>(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2);
  options.DosDate = static_cast<uint16_t>((year - 1980) << 9 | (local.tm_mon + 1) << 5 | local.tm_mday);
}
}  // namespace

int RunExtract(const std::string& archive, const std::string& outFile, const std::string& password, std::ostream& err) {
  const int result = ExtractSkinEntry(archive, sk2::kEntryName, outFile, password);
  if (result == kExtractUnreadable) err << kMsgFailedToRead << "\n";
  if (result == kExtractBadPassword) err << kMsgWrongPassword << "\n";
  return result;
}

int RunDump(const std::string& archive, const std::string& password, std::ostream& out, std::ostream& err) {
  return Guarded(err, [&] {
    const Tsk2SkinFileReader reader(archive, password);
    std::string text;
    for (const auto& entry : reader.Bitmaps())
      text += "bitmap " + entry.Name + " " + std::to_string(entry.Bitmap->Width()) + "x" +
              std::to_string(entry.Bitmap->Height()) + "\n";
    for (const auto& entry : reader.Integers()) text += "integer " + entry.Name + " " + entry.Value + "\n";
    for (const auto& entry : reader.Booleans()) text += "boolean " + entry.Name + " " + entry.Value + "\n";
    for (const auto& entry : reader.Strings()) text += "string " + entry.Name + " " + entry.Value + "\n";
    out << text << std::flush;
    return kExitOk;
  });
}

int RunPack(const std::string& folder, const std::string& archive, const std::string& password, std::ostream& err) {
  return Guarded(err, [&] {
    SkinArchiveOptions options;
    options.Password = password;
    CurrentDosTime(options);
    WriteFileAtomically(archive, BuildSkinArchive(BuildSk2File(ReadSkinFolder(folder)), options));
    return kExitOk;
  });
}

int RunUnpack(const std::string& archive, const std::string& folder, const std::string& password, std::ostream& err) {
  return Guarded(err, [&] {
    std::string bytes;
    {
      ScopedFile temp(NewTempFileName());
      switch (ExtractSkinEntry(archive, sk2::kEntryName, temp.Path(), password)) {
        case kExtractOk:
          break;
        case kExtractBadPassword:
          throw ESkinError(kMsgWrongPassword);
        default:
          throw ESkinError(kMsgFailedToRead);
      }
      bytes = FileStream::ReadAll(temp.Path());
    }
    std::vector<Sk2Record> records = ReadSk2Records(bytes, archive);
    // The engine skips records of kinds it does not know; so does the skin folder, out loud.
    std::erase_if(records, [&](const Sk2Record& record) {
      if (record.Type <= sk2::kString) return false;
      err << archive << ": skipped resource \"" << record.Name << "\" of unknown type " << int(record.Type) << "\n";
      return true;
    });
    WriteSkinFolder(folder, records, archive);
    return kExitOk;
  });
}
