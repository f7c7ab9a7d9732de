#include "FileStream.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "SkinError.h"

#ifdef _WIN32
#include <windows.h>

namespace {
std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}
}  // namespace

FileStream::FileStream(const std::string& path, Mode mode) {
  HANDLE h = mode == Mode::OpenRead
                 ? CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                 : CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw ESkinError("Cannot open file " + path);
  FHandle = h;
}

FileStream::~FileStream() { Close(); }

void FileStream::Close() {
  if (FHandle) CloseHandle(static_cast<HANDLE>(FHandle));
  FHandle = nullptr;
}

size_t FileStream::Read(void* buffer, size_t count) {
  size_t total = 0;
  auto* out = static_cast<char*>(buffer);
  while (total < count) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(count - total, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(static_cast<HANDLE>(FHandle), out + total, chunk, &got, nullptr)) throw ESkinError("File read failed");
    if (got == 0) break;
    total += got;
  }
  FPosition += static_cast<int64_t>(total);
  return total;
}

void FileStream::Write(const void* buffer, size_t count) {
  size_t total = 0;
  auto* in = static_cast<const char*>(buffer);
  while (total < count) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(count - total, 1u << 30));
    DWORD put = 0;
    if (!WriteFile(static_cast<HANDLE>(FHandle), in + total, chunk, &put, nullptr) || put == 0)
      throw ESkinError("File write failed");
    total += put;
  }
  FPosition += static_cast<int64_t>(total);
}

void FileStream::Seek(int64_t offset) {
  LARGE_INTEGER to;
  to.QuadPart = offset;
  if (offset < 0 || !SetFilePointerEx(static_cast<HANDLE>(FHandle), to, nullptr, FILE_BEGIN))
    throw ESkinError("File seek failed");
  FPosition = offset;
}

int64_t FileStream::Size() {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(static_cast<HANDLE>(FHandle), &size)) throw ESkinError("File size unknown");
  return size.QuadPart;
}

bool FileStream::Exists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileStream::Delete(const std::string& path) { return DeleteFileW(Widen(path).c_str()) != 0; }

bool FileStream::IsSameFile(const std::string& path) const {
  HANDLE other = CreateFileW(Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (other == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION a{}, b{};
  bool same = GetFileInformationByHandle(static_cast<HANDLE>(FHandle), &a) && GetFileInformationByHandle(other, &b) &&
              a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
              a.nFileIndexLow == b.nFileIndexLow;
  CloseHandle(other);
  return same;
}

#else
#include <sys/stat.h>
#include <unistd.h>

FileStream::FileStream(const std::string& path, Mode mode) {
  std::FILE* f = std::fopen(path.c_str(), mode == Mode::OpenRead ? "rb" : "w+b");
  if (!f) throw ESkinError("Cannot open file " + path);
  FHandle = f;
}

FileStream::~FileStream() { Close(); }

void FileStream::Close() {
  if (FHandle) std::fclose(static_cast<std::FILE*>(FHandle));
  FHandle = nullptr;
}

size_t FileStream::Read(void* buffer, size_t count) {
  auto* f = static_cast<std::FILE*>(FHandle);
  size_t got = std::fread(buffer, 1, count, f);
  if (got < count && std::ferror(f)) throw ESkinError("File read failed");
  FPosition += static_cast<int64_t>(got);
  return got;
}

void FileStream::Write(const void* buffer, size_t count) {
  if (std::fwrite(buffer, 1, count, static_cast<std::FILE*>(FHandle)) != count) throw ESkinError("File write failed");
  FPosition += static_cast<int64_t>(count);
}

void FileStream::Seek(int64_t offset) {
  if (offset < 0 || fseeko(static_cast<std::FILE*>(FHandle), offset, SEEK_SET) != 0) throw ESkinError("File seek failed");
  FPosition = offset;
}

int64_t FileStream::Size() {
  auto* f = static_cast<std::FILE*>(FHandle);
  std::fflush(f);
  struct stat st {};
  if (fstat(fileno(f), &st) != 0) throw ESkinError("File size unknown");
  return st.st_size;
}

bool FileStream::Exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FileStream::Delete(const std::string& path) { return unlink(path.c_str()) == 0; }

bool FileStream::IsSameFile(const std::string& path) const {
  struct stat mine {}, other {};
  return fstat(fileno(static_cast<std::FILE*>(FHandle)), &mine) == 0 && stat(path.c_str(), &other) == 0 &&
         mine.st_dev == other.st_dev && mine.st_ino == other.st_ino;
}
#endif

void FileStream::ReadExact(void* buffer, size_t count) {
  if (Read(buffer, count) != count) throw ESkinError("Unexpected end of file");
}

std::string FileStream::ReadAll(const std::string& path) {
  FileStream f(path, Mode::OpenRead);
  std::string bytes(static_cast<size_t>(f.Size()), '\0');
  bytes.resize(f.Read(bytes.data(), bytes.size()));
  return bytes;
}

void FileStream::WriteAll(const std::string& path, const std::string& bytes) {
  FileStream f(path, Mode::Create);
  f.Write(bytes.data(), bytes.size());
}
