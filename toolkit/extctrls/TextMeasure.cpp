#include "TextMeasure.h"

#include "DcSelection.h"
#include "MemoryDC.h"
#include "TextEncoding.h"

TSize MeasureText(const TFont& Font, const std::string& Text, UINT Flags, int WrapWidth) {
  MemoryDC dc;
  DcSelection font(dc.Get(), Font.Handle());
  // DrawText measures an empty string as no height; a caption line still takes one.
  const std::wstring text = Text.empty() ? std::wstring(L" ") : Utf8ToWide(Text);
  RECT r{0, 0, (Flags & DT_WORDBREAK) ? WrapWidth : 0, 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, Flags | DT_CALCRECT);
  return TSize{Text.empty() ? 0 : static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
}
