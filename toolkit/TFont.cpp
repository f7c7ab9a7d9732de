#include "TFont.h"

#include <cwchar>
#include <stdexcept>

TFont::TFont() {
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(FLogFont), &FLogFont);
}

int TFont::PixelsPerInch() {
  static const int ppi = [] {
    HDC screen = GetDC(nullptr);
    int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return ppi;
}

void TFont::SetName(const std::wstring& name) {
  wcsncpy(FLogFont.lfFaceName, name.c_str(), LF_FACESIZE - 1);
  FLogFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
  Changed();
}

void TFont::SetHeight(int height) {
  FLogFont.lfHeight = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(FLogFont.lfHeight, 72, PixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch(), 72)); }

TFontStyles TFont::Style() const {
  TFontStyles style = 0;
  if (FLogFont.lfWeight >= FW_BOLD) style |= fsBold;
  if (FLogFont.lfItalic) style |= fsItalic;
  if (FLogFont.lfUnderline) style |= fsUnderline;
  if (FLogFont.lfStrikeOut) style |= fsStrikeOut;
  return style;
}

void TFont::SetStyle(TFontStyles style) {
  FLogFont.lfWeight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
  FLogFont.lfItalic = (style & fsItalic) ? TRUE : FALSE;
  FLogFont.lfUnderline = (style & fsUnderline) ? TRUE : FALSE;
  FLogFont.lfStrikeOut = (style & fsStrikeOut) ? TRUE : FALSE;
  Changed();
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  FLogFont = source.FLogFont;
  FColor = source.FColor;
  Changed();
}

void TFont::AssignLogFont(const LOGFONTW& font) {
  FLogFont = font;
  Changed();
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    FHandle.Reset(CreateFontIndirectW(&FLogFont));
    if (!FHandle) throw std::runtime_error("Out of system resources (font)");
  }
  return FHandle.Get();
}
