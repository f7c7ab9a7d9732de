#pragma once
#include <windows.h>

#include <string>

#include "GdiObject.h"
#include "TColor.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;  // a set of TFontStyle bits

// A font description plus its colour. The GDI font is made on first use and dropped whenever the
// description changes; canvases select it only for the duration of one drawing call, so dropping
// it can never delete a selected object.
class TFont {
public:
  TFont();  // the platform's default GUI font, colour clWindowText
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  std::wstring Name() const { return FLogFont.lfFaceName; }
  void SetName(const std::wstring& name);
  // Character height in pixels when negative, cell height when positive (LOGFONT convention).
  int Height() const { return FLogFont.lfHeight; }
  void SetHeight(int height);
  // Size in points at the screen's resolution.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }

  // Copies description and colour.
  void Assign(const TFont& source);
  // Takes a platform font description (for example from the non-client metrics); the colour stays.
  void AssignLogFont(const LOGFONTW& font);
  const LOGFONTW& LogFont() const { return FLogFont; }

  HFONT Handle() const;

  static int PixelsPerInch();

private:
  void Changed() { FHandle.Reset(); }

  LOGFONTW FLogFont{};
  TColor FColor = clWindowText;
  mutable GdiObject<HFONT> FHandle;
};
