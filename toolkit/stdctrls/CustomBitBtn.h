#pragma once
#include <windows.h>

#include <memory>

#include "BitBtnTypes.h"
#include "CustomButton.h"
#include "TBitmap.h"

// A push button with a picture: the window is an owner-drawn "BUTTON" whose face, glyph and caption
// the toolkit paints. Glyph holds NumGlyphs frames side by side (the first for the normal look, the
// second, when present, for a disabled button); the colour of its bottom-left pixel is left out.
// Layout, Margin and Spacing place glyph and caption (see PlaceButtonContent). Kind gives a stock
// button its glyph, caption, modal result and Default/Cancel role; bkClose closes the form.
class TCustomBitBtn : public TCustomButton {
  VEXA_CLASS(TCustomBitBtn, TCustomButton)

public:
  explicit TCustomBitBtn(TComponent* AOwner);
  ~TCustomBitBtn() override;

  // Never null; an empty bitmap means no glyph. SetGlyph copies pixels and transparency (null
  // clears the glyph). After changing the bitmap in place, call GlyphChanged.
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap* Value);
  void GlyphChanged();
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);  // 1 to 4
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind Value);

  void Click() override;
  void WndProc(TMessage& Message) override;

protected:
  DWORD ButtonType() const override { return BS_OWNERDRAW; }

private:
  void DrawItem(const DRAWITEMSTRUCT& Item);
  void DrawGlyph(TCanvas& Canvas, TPoint Pos, bool Enabled) const;

  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TBitBtnKind FKind = bkCustom;
};
