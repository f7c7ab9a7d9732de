#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "GdiObject.h"
#include "NotifyEvent.h"
#include "Persistent.h"
#include "Set.h"
#include "TColor.h"
#include "TypeInfo.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;  // a set of TFontStyle bits

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

// A font description plus its colour. The GDI font is made on first use and dropped whenever the
// description changes; canvases select it only for the duration of one drawing call, so dropping
// it can never delete a selected object.
//
// Published (so a control's Font streams as a sub-object "Font.Height", "Font.Style"...):
// Charset, Color, Height, Name, Size (not stored: Height holds it exactly) and Style.
//
// OnChange runs once after each setter that changed the font and after every Assign or
// AssignLogFont; a setter given the value the font already has changes nothing and stays quiet.
// A control listens there to repaint, so the owner of the font owns the event.
class TFont : public TPersistent {
  VEXA_CLASS(TFont, TPersistent)

public:
  TFont();  // the platform's default GUI font, colour clWindowText

  std::wstring Name() const { return FLogFont.lfFaceName; }
  void SetName(const std::wstring& name);
  // Name in UTF-8, like every string of the toolkit (the published Name).
  std::string FaceName() const;
  void SetFaceName(const std::string& name);
  // Character height in pixels when negative, cell height when positive (LOGFONT convention).
  int Height() const { return FLogFont.lfHeight; }
  void SetHeight(int height);
  // Size in points at the screen's resolution.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);
  // Style as a set (the published Style).
  TFontStyleSet StyleSet() const { return TFontStyleSet::FromBits(Style()); }
  void SetStyleSet(TFontStyleSet style) { SetStyle(style.Bits()); }
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  // The character set asked of the font mapper (at first the default GUI font's).
  uint8_t Charset() const { return FLogFont.lfCharSet; }
  void SetCharset(uint8_t charset);

  // Copies description and colour.
  void Assign(const TFont& source);
  // The same from any persistent that is a font; others raise EConvertError.
  void Assign(const TPersistent* Source) override;
  // Takes a platform font description (for example from the non-client metrics); the colour stays.
  void AssignLogFont(const LOGFONTW& font);
  const LOGFONTW& LogFont() const { return FLogFont; }

  HFONT Handle() const;

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  static int PixelsPerInch();

private:
  // The description changed: the GDI font is made again on next use, and listeners hear of it.
  void DescriptionChanged();
  void Changed();

  LOGFONTW FLogFont{};
  TColor FColor = clWindowText;
  mutable GdiObject<HFONT> FHandle;
  TNotifyEvent FOnChange;
};
