#include "CaptionText.h"

namespace {

template <typename String, typename Width, typename Splits>
String Fit(const String& text, int maxWidth, Width width, Splits splitsCharacter) {
  if (width(text) <= maxWidth) return text;
  static const String dots(3, typename String::value_type('.'));
  for (size_t i = 1; i < text.size(); ++i) {
    if (splitsCharacter(text[i])) continue;
    String candidate = text.substr(0, i) + dots;
    if (width(candidate) >= maxWidth) return candidate;
  }
  return text;
}

}  // namespace

std::string FitCaption(const TCanvas& Canvas, const std::string& Text, int MaxWidth) {
  return Fit(
      Text, MaxWidth, [&](const std::string& s) { return Canvas.TextWidth(s); },
      [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });  // UTF-8 continuation byte
}

std::wstring FitCaptionW(const TCanvas& Canvas, const std::wstring& Text, int MaxWidth) {
  return Fit(
      Text, MaxWidth, [&](const std::wstring& s) { return WideTextWidth(Canvas, s); },
      [](wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; });  // low surrogate
}

int WideTextWidth(const TCanvas& Canvas, const std::wstring& Text) { return Canvas.TextWidth(Text); }
