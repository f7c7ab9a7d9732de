#include "AccelChar.h"

char GetAccelChar(const std::string& Caption) {
  std::string text = Caption;
  // Escaped ampersands keep their places but stop counting.
  for (size_t at = text.find("&&"); at != std::string::npos; at = text.find("&&", at + 2)) text.replace(at, 2, "__");
  size_t amp = text.find('&');
  if (amp == std::string::npos || amp + 1 >= text.size()) return 0;
  char c = text[amp + 1];
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
