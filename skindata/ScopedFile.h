#pragma once
#include <string>

#include "FileStream.h"

// Deletes a file when it goes out of scope, unless Release() was called: temporary files and
// half-written outputs never survive an error path.
class ScopedFile {
public:
  explicit ScopedFile(std::string path) : FPath(std::move(path)) {}
  ~ScopedFile() {
    if (!FPath.empty()) FileStream::Delete(FPath);
  }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;

  const std::string& Path() const { return FPath; }
  void Release() { FPath.clear(); }

private:
  std::string FPath;
};
