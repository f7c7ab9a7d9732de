#pragma once
#include <string>
#include <string_view>

// Names of classes, components, properties and enumeration values, and string-list lookups, compare
// without regard to ASCII letter case; other bytes (UTF-8 included) compare exactly. The same rule on
// every platform keeps streams and lookups independent of the locale.
bool SameText(std::string_view A, std::string_view B);
int CompareText(std::string_view A, std::string_view B);  // < 0, 0, > 0
std::string LowerCase(std::string_view Text);              // ASCII letters only

// A Pascal identifier: a letter or '_' first, then letters, digits and '_' (ASCII).
bool IsValidIdent(std::string_view Ident);
