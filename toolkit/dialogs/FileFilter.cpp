#include "FileFilter.h"

#include <vector>

#include "TextEncoding.h"

std::wstring FileFilterToNative(const std::string& Filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t bar = Filter.find('|', start);
    parts.push_back(Filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  std::wstring result;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    result += Utf8ToWide(parts[i]);
    result += L'\0';
    result += Utf8ToWide(parts[i + 1]);
    result += L'\0';
  }
  if (!result.empty()) result += L'\0';
  return result;
}
