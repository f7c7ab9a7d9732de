#include "ControlFont.h"

#include "Publisher.h"
#include "TextEncoding.h"

VEXA_DEFINE_CLASS(TControlFont) {
  published.Prop("Color", &Self::Color, &Self::SetColor, "TColor").Default(clWindowText);
  published.Prop("Height", &Self::Height, &Self::SetHeight);
  published.Prop("Name", &Self::FaceName, &Self::SetFaceName, "TFontName");
  published.Prop("Style", &Self::StyleSet, &Self::SetStyleSet).Default(TFontStyleSet{});
}

void TControlFont::SetName(const std::wstring& Value) {
  if (Value == Name()) return;
  TFont::SetName(Value);
  Changed();
}

void TControlFont::SetHeight(int Value) {
  if (Value == Height()) return;
  TFont::SetHeight(Value);
  Changed();
}

void TControlFont::SetSize(int Points) {
  TFont::SetSize(Points);
  Changed();
}

void TControlFont::SetStyle(TFontStyles Value) {
  if (Value == Style()) return;
  TFont::SetStyle(Value);
  Changed();
}

void TControlFont::SetColor(TColor Value) {
  if (Value == Color()) return;
  TFont::SetColor(Value);
  Changed();
}

void TControlFont::Assign(const TFont& Source) {
  TFont::Assign(Source);
  Changed();
}

void TControlFont::Assign(const TPersistent* Source) {
  if (const auto* font = dynamic_cast<const TControlFont*>(Source)) return Assign(static_cast<const TFont&>(*font));
  TPersistent::Assign(Source);
}

std::string TControlFont::FaceName() const { return WideToUtf8(Name()); }

void TControlFont::SetFaceName(const std::string& Value) { SetName(Utf8ToWide(Value)); }

void TControlFont::Changed() {
  if (FOnChange) FOnChange();
}
