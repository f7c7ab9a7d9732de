#include "TempFiles.h"

#include <windows.h>

#include <cwctype>
#include <filesystem>

#include "TextEncoding.h"

TempFolder::TempFolder(const std::string& Name, const std::string& Base) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::filesystem::path path = std::filesystem::path(Base.empty() ? std::wstring(temp) : Utf8ToWide(Base)) / Utf8ToWide(Name);
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);  // what a crashed run left behind
  std::filesystem::create_directories(path);
  FPath = WideToUtf8(path.wstring());
  FOldCurrentDir = std::filesystem::current_path().wstring();
}

TempFolder::~TempFolder() {
  SetCurrentDirectoryW(FOldCurrentDir.c_str());
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(Utf8ToWide(FPath)), ignored);
}

std::string TempFolder::AddFile(const std::string& Name) const {
  const std::wstring path = Utf8ToWide(FPath) + L"\\" + Utf8ToWide(Name);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return WideToUtf8(path);
}

std::string CanonicalPath(const std::string& Path) {
  std::wstring wide = Utf8ToWide(Path);
  wchar_t full[MAX_PATH] = {};
  if (GetLongPathNameW(wide.c_str(), full, MAX_PATH)) wide = full;
  while (wide.size() > 3 && (wide.back() == L'\\' || wide.back() == L'/')) wide.pop_back();
  for (wchar_t& c : wide) c = static_cast<wchar_t>(std::towlower(c));
  return WideToUtf8(wide);
}
