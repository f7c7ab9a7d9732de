#pragma once
#include <memory>

#include "ExtCtrlsTypes.h"
#include "GraphicControl.h"

class TBitmap;

// A button without a window, for tool strips and small panels. It shows a glyph and a caption,
// raised (or, when Flat, only when the mouse is over it) and sunken while pressed or down.
//
// Pressing: the button shows pushed while the left button is held and the mouse is over it; a
// release over it clicks (OnClick). Buttons of one parent with the same non-zero GroupIndex form
// a group: clicking one puts it Down and the others up; clicking the one that is down puts it up
// only when AllowAllUp. Without a GroupIndex a button is never Down.
//
// Glyph: a strip of NumGlyphs equal pictures side by side: up, disabled, pressed, down (missing
// ones fall back to the first). The glyph's bottom-left pixel colour is transparent. Without a
// disabled picture a disabled button greys the first one. The glyph is stored in form resources as
// a BMP file ("Glyph").
class TSpeedButton : public TGraphicControl {
  VEXA_CLASS(TSpeedButton, TGraphicControl)

public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // Never null. After drawing on it, call Invalidate (or SetGlyph) to show the change.
  TBitmap* Glyph() const { return FGlyph.get(); }
  // Copies Value (null clears). A strip whose width is 2 to 4 times its height sets NumGlyphs.
  void SetGlyph(const TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);  // 1 to 4
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // -1 centres (see PlaceButtonContent).
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);

  // The mouse is over the button (it is enabled), and the button is held down by the mouse with
  // the mouse over it.
  bool MouseInControl() const { return FMouseInControl; }
  bool Pushed() const { return FPressing && FPressInside; }

  void WndProc(TMessage& Message) override;

protected:
  void Paint() override;
  void DefineProperties(TFiler& Filer) override;

private:
  void UpdateExclusive();
  void PaintGlyph(TCanvas& Canvas, TPoint At, int Frame, bool Greyed);

  bool FFlat = false;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  bool FMouseInControl = false;
  bool FPressing = false;
  bool FPressInside = false;
};
