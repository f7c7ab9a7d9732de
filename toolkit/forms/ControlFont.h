#pragma once
#include <functional>
#include <string>

#include "Persistent.h"
#include "Set.h"
#include "TFont.h"
#include "TypeInfo.h"

// The font styles as a published set; bit i of the set is the TFontStyle value 1 << i.
enum class TFontStyleItem { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyleSet = TSet<TFontStyleItem>;
inline const TTypeInfo& TypeInfoFor(const TFontStyleItem*) {
  static const TTypeInfo& info = RegisterEnumType("TFontStyle", "fsBold, fsItalic, fsUnderline, fsStrikeOut");
  return info;
}
inline const TTypeInfo& TypeInfoFor(const TFontStyleSet*) {
  static const TTypeInfo& info = RegisterSetType("TFontStyles", TypeInfoFor(static_cast<const TFontStyleItem*>(nullptr)));
  return info;
}

// A control's font: a TFont that can be published and streamed (Name, Height, Style, Color) and
// that tells its control when it changes. Change it through this class (not through a TFont
// reference) so the control hears of it.
class TControlFont : public TPersistent, public TFont {
  VEXA_CLASS(TControlFont, TPersistent)

public:
  TControlFont() = default;

  void SetName(const std::wstring& Value);
  void SetHeight(int Value);
  void SetSize(int Points);
  void SetStyle(TFontStyles Value);
  void SetColor(TColor Value);
  // Copies the description and colour of any font.
  void Assign(const TFont& Source);
  void Assign(const TPersistent* Source) override;

  // The published face name is UTF-8, like every string of the toolkit.
  std::string FaceName() const;
  void SetFaceName(const std::string& Value);
  TFontStyleSet StyleSet() const { return TFontStyleSet::FromBits(Style()); }
  void SetStyleSet(TFontStyleSet Value) { SetStyle(Value.Bits()); }

  // Runs after every change made through this class.
  void SetOnChange(std::function<void()> Value) { FOnChange = std::move(Value); }

private:
  void Changed();
  std::function<void()> FOnChange;
};
