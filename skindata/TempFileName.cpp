#include "TempFileName.h"

#include "SkinError.h"

#ifdef _WIN32
#include <objbase.h>
#include <windows.h>

namespace {
std::string Narrow(const wchar_t* wide, int length) {
  int n = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), n, nullptr, nullptr);
  return utf8;
}
}  // namespace

std::string NewGuidText() {
  GUID guid;
  wchar_t text[40];
  if (FAILED(CoCreateGuid(&guid)) || StringFromGUID2(guid, text, 40) != 39) throw ESkinError(kMsgError);
  return Narrow(text, 38);
}

std::string TempDirectory() {
  wchar_t path[MAX_PATH + 1];
  DWORD n = GetTempPathW(MAX_PATH + 1, path);
  if (n == 0 || n > MAX_PATH) throw ESkinError(kMsgError);
  std::string dir = Narrow(path, static_cast<int>(n));
  if (dir.back() != '\\') dir += '\\';
  return dir;
}

#else
#include <cstdio>
#include <filesystem>
#include <random>

std::string NewGuidText() {
  std::random_device device;
  uint8_t b[16];
  for (int i = 0; i < 16; i += 4) {
    uint32_t r = device();
    for (int k = 0; k < 4; ++k) b[i + k] = static_cast<uint8_t>(r >> (8 * k));
  }
  b[6] = static_cast<uint8_t>((b[6] & 0x0F) | 0x40);  // version 4, random
  b[8] = static_cast<uint8_t>((b[8] & 0x3F) | 0x80);
  char text[39];
  std::snprintf(text, sizeof text, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[0], b[1],
                b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
  return text;
}

std::string TempDirectory() {
  std::error_code error;
  std::string dir = std::filesystem::temp_directory_path(error).string();
  if (error || dir.empty()) throw ESkinError(kMsgError);
  if (dir.back() != '/') dir += '/';
  return dir;
}
#endif

std::string NewTempFileName() { return TempDirectory() + NewGuidText(); }
