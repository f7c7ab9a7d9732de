#pragma once
#include <string>

// Byte strings of the toolkit are UTF-8; the platform's text functions take UTF-16.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
