#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// A binary file opened for reading (other readers and writers allowed) or created for writing
// (an existing file is replaced). Paths are UTF-8. Failures throw ESkinError with the given text.
class FileStream {
public:
  enum class Mode { OpenRead, Create };
  FileStream(const std::string& path, Mode mode);
  ~FileStream();
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  // Reads up to count bytes; returns how many were read (fewer only at the end of the file).
  size_t Read(void* buffer, size_t count);
  // Reads exactly count bytes or throws.
  void ReadExact(void* buffer, size_t count);
  void Write(const void* buffer, size_t count);
  void Seek(int64_t offset);
  int64_t Position() const { return FPosition; }
  int64_t Size();
  void Close();
  // True when path names the file this stream has open (through any alias or link).
  bool IsSameFile(const std::string& path) const;

  static bool Exists(const std::string& path);
  static bool Delete(const std::string& path);
  // Whole-file helpers for tools and tests.
  static std::string ReadAll(const std::string& path);
  static void WriteAll(const std::string& path, const std::string& bytes);

private:
  void* FHandle = nullptr;
  int64_t FPosition = 0;
};
