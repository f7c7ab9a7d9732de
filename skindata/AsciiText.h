#pragma once
#include <string>

// ASCII upper case (only 'a'-'z' change): how skin names and archive entry names are compared.
inline std::string AsciiUpper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}
