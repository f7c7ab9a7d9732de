#include "AtomicFile.h"


#include "FileStream.h"
#include "ScopedFile.h"
#include "SkinError.h"
#include "TempFileName.h"
#include "ToolError.h"

#ifdef _WIN32
#include <windows.h>

#include "Utf8Path.h"
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#endif

namespace {
// Replaces `to` by `from` in one step; returns an error text or an empty string.
std::string ReplaceFile(const std::string& from, const std::string& to) {
#ifdef _WIN32
  if (MoveFileExW(PathFromUtf8(from).c_str(), PathFromUtf8(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return {};
  return "system error " + std::to_string(GetLastError());
#else
  if (std::rename(from.c_str(), to.c_str()) == 0) return {};
  return std::strerror(errno);
#endif
}
}  // namespace

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  ScopedFile temp(path + "." + NewGuidText() + ".tmp");
  try {
    FileStream::WriteAll(temp.Path(), bytes);
  } catch (const ESkinError&) {
    throw SkinToolError(path + ": cannot write the file");
  }
  const std::string error = ReplaceFile(temp.Path(), path);
  if (!error.empty()) throw SkinToolError(path + ": cannot replace the file (" + error + ")");
  temp.Release();
}
