#pragma once
#include <filesystem>
#include <string>

// The tool keeps paths as UTF-8 text (as FileStream takes them); these convert at the
// std::filesystem boundary so that non-ASCII names survive on Windows too.
inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}
