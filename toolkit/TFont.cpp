#include "TFont.h"

#include <cwchar>
#include <stdexcept>

#include "Publisher.h"
#include "TextEncoding.h"

VEXA_DEFINE_CLASS(TFont) {
  published.Prop("Charset", &Self::Charset, &Self::SetCharset, "TFontCharset").Default(DEFAULT_CHARSET);
  PUBLISHED(Color, "TColor").Default(clWindowText);
  PUBLISHED(Height);
  published.Prop("Name", &Self::FaceName, &Self::SetFaceName, "TFontName");
  // Points are rounded pixels: storing both could move Height by one when read back.
  PUBLISHED(Size).Stored(false);
  published.Prop("Style", &Self::StyleSet, &Self::SetStyleSet).Default(TFontStyleSet{});
}

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
  WCHAR face[LF_FACESIZE]{};
  wcsncpy(face, name.c_str(), LF_FACESIZE - 1);
  if (wcscmp(face, FLogFont.lfFaceName) == 0) return;
  wcscpy(FLogFont.lfFaceName, face);
  DescriptionChanged();
}

std::string TFont::FaceName() const { return WideToUtf8(Name()); }

void TFont::SetFaceName(const std::string& name) { SetName(Utf8ToWide(name)); }

void TFont::SetHeight(int height) {
  if (height == FLogFont.lfHeight) return;
  FLogFont.lfHeight = height;
  DescriptionChanged();
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
  LOGFONTW font = FLogFont;
  font.lfWeight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = (style & fsItalic) ? TRUE : FALSE;
  font.lfUnderline = (style & fsUnderline) ? TRUE : FALSE;
  font.lfStrikeOut = (style & fsStrikeOut) ? TRUE : FALSE;
  // Compared by the fields, not by Style(): a weight of 600 is not bold, yet setting "not bold"
  // must still make it FW_NORMAL.
  if (font.lfWeight == FLogFont.lfWeight && font.lfItalic == FLogFont.lfItalic &&
      font.lfUnderline == FLogFont.lfUnderline && font.lfStrikeOut == FLogFont.lfStrikeOut)
    return;
  FLogFont = font;
  DescriptionChanged();
}

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;  // the GDI font does not hold the colour: it stays
  Changed();
}

void TFont::SetCharset(uint8_t charset) {
  if (charset == FLogFont.lfCharSet) return;
  FLogFont.lfCharSet = charset;
  DescriptionChanged();
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  FLogFont = source.FLogFont;
  FColor = source.FColor;
  DescriptionChanged();
}

void TFont::Assign(const TPersistent* Source) {
  if (const auto* font = dynamic_cast<const TFont*>(Source)) return Assign(*font);
  TPersistent::Assign(Source);
}

void TFont::AssignLogFont(const LOGFONTW& font) {
  FLogFont = font;
  DescriptionChanged();
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    FHandle.Reset(CreateFontIndirectW(&FLogFont));
    if (!FHandle) throw std::runtime_error("Out of system resources (font)");
  }
  return FHandle.Get();
}

void TFont::DescriptionChanged() {
  FHandle.Reset();
  Changed();
}

void TFont::Changed() {
  if (FOnChange) FOnChange(this);
}
