#include "TextHelpers.h"

namespace {

unsigned char Fold(char C) {
  auto u = static_cast<unsigned char>(C);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

bool IsAsciiLetter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }

}  // namespace

bool SameText(std::string_view A, std::string_view B) { return A.size() == B.size() && CompareText(A, B) == 0; }

int CompareText(std::string_view A, std::string_view B) {
  const size_t n = A.size() < B.size() ? A.size() : B.size();
  for (size_t i = 0; i < n; ++i) {
    const unsigned char a = Fold(A[i]), b = Fold(B[i]);
    if (a != b) return a < b ? -1 : 1;
  }
  if (A.size() == B.size()) return 0;
  return A.size() < B.size() ? -1 : 1;
}

std::string LowerCase(std::string_view Text) {
  std::string result(Text);
  for (char& c : result) c = static_cast<char>(Fold(c));
  return result;
}

bool IsValidIdent(std::string_view Ident) {
  if (Ident.empty() || !(IsAsciiLetter(Ident[0]) || Ident[0] == '_')) return false;
  for (char c : Ident)
    if (!(IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}
