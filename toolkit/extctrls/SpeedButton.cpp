#include "SpeedButton.h"

#include <algorithm>
#include <windowsx.h>

#include "BitmapFile.h"
#include "ButtonLayout.h"
#include "ControlMessages.h"
#include "Filer.h"
#include "Frame3D.h"
#include "Publisher.h"
#include "TBitmap.h"
#include "TImageList.h"
#include "TextMeasure.h"
#include "WinControl.h"

VEXA_DEFINE_CLASS(TSpeedButton) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(AllowAllUp).Default(false);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Constraints);
  PUBLISHED(Down).Default(false);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Flat).Default(false);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(GroupIndex).Default(0);
  PUBLISHED(Layout).Default(blGlyphLeft);
  PUBLISHED(Margin).Default(-1);
  PUBLISHED(NumGlyphs, "TNumGlyphs").Default(1);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(Spacing).Default(4);
  PUBLISHED(Visible).Default(true);
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  Invalidate();
}

void TSpeedButton::SetGlyph(const TBitmap* Value) {
  if (Value && !Value->Empty()) {
    FGlyph->Assign(*Value);
    const int w = FGlyph->Width(), h = FGlyph->Height();
    if (h > 0 && w % h == 0 && w / h >= 2 && w / h <= 4) FNumGlyphs = w / h;
  } else {
    FGlyph->Clear();
  }
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value) {
  Value = std::clamp(Value, 1, 4);
  if (Value == FNumGlyphs) return;
  FNumGlyphs = Value;
  Invalidate();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;  // the down button of a group goes up only when another goes down
  FDown = Value;
  if (Value) UpdateExclusive();
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  if (FGroupIndex == 0) FDown = false;
  UpdateExclusive();
  Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (Value == FAllowAllUp) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  // The group shares AllowAllUp, and at most one of it is down.
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (!other || other == this || other->FGroupIndex != FGroupIndex) continue;
    other->FAllowAllUp = FAllowAllUp;
    if (FDown && other->FDown) {
      other->FDown = false;
      other->Invalidate();
    }
  }
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  Value = std::max(Value, -1);
  if (Value == FMargin) return;
  FMargin = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  Value = std::max(Value, -1);
  if (Value == FSpacing) return;
  FSpacing = Value;
  Invalidate();
}

void TSpeedButton::DefineProperties(TFiler& Filer) {
  inherited::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Glyph", [this](std::span<const uint8_t> Data) { LoadBitmapFromBytes(*FGlyph, Data); },
      [this] { return SaveBitmapToBytes(*FGlyph); }, !FGlyph->Empty());
}

void TSpeedButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      FMouseInControl = Enabled();
      Invalidate();
      break;
    case CM_MOUSELEAVE:
      FMouseInControl = false;
      Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) FMouseInControl = FPressing = false;
      Invalidate();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) {
        FPressing = true;
        FPressInside = true;
        Invalidate();
      }
      break;
    case WM_MOUSEMOVE:
      if (FPressing) {
        const int x = GET_X_LPARAM(Message.LParam), y = GET_Y_LPARAM(Message.LParam);
        // No left button: the release went to someone else.
        const bool inside = (Message.WParam & MK_LBUTTON) && x >= 0 && y >= 0 && x < Width() && y < Height();
        if (!(Message.WParam & MK_LBUTTON)) FPressing = false;
        if (inside != FPressInside || !FPressing) {
          FPressInside = inside;
          Invalidate();
        }
      }
      break;
    case WM_LBUTTONUP:
      if (FPressing) {
        const int x = GET_X_LPARAM(Message.LParam), y = GET_Y_LPARAM(Message.LParam);
        FPressing = false;
        if (x >= 0 && y >= 0 && x < Width() && y < Height() && FGroupIndex != 0) SetDown(!FDown);
        Invalidate();
      }
      break;  // the base class clicks afterwards, when the release was over the button
    default:
      break;
  }
  TGraphicControl::WndProc(Message);
}

void TSpeedButton::PaintGlyph(TCanvas& Canvas, TPoint At, int Frame, bool Greyed) {
  const int width = FGlyph->Width() / FNumGlyphs;
  const int height = FGlyph->Height();
  TBitmap frame(width, height);
  frame.Canvas().CopyRect(TRect{0, 0, width, height}, *FGlyph, TRect{Frame * width, 0, (Frame + 1) * width, height});
  const TColor key = frame.Pixel(0, height - 1);
  if (Greyed) {
    TImageList list(width, height);
    list.AddMasked(frame, key);
    list.Draw(Canvas, At.X, At.Y, 0, false);
    return;
  }
  frame.SetTransparentColor(key);
  frame.SetTransparent(true);
  Canvas.Draw(At.X, At.Y, frame);
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  const bool pushed = Pushed() || FDown;
  const bool hot = FMouseInControl && Enabled();
  if (!FFlat) {
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(r);
    if (pushed) {
      Frame3D(canvas, r, cl3DDkShadow, clBtnHighlight, 1);
      Frame3D(canvas, r, clBtnShadow, cl3DLight, 1);
    } else {
      Frame3D(canvas, r, clBtnHighlight, cl3DDkShadow, 1);
      Frame3D(canvas, r, cl3DLight, clBtnShadow, 1);
    }
  } else {
    if (FDown && !Pushed()) {
      canvas.Brush().SetColor(cl3DLight);
      canvas.FillRect(r);
    }
    if (pushed) Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
    else if (hot) Frame3D(canvas, r, clBtnHighlight, clBtnShadow, 1);
  }
  const TRect client{1, 1, Width() - 1, Height() - 1};
  const int shift = pushed ? 1 : 0;

  TSize glyph{};
  int frameIndex = 0;
  bool greyed = false;
  if (!FGlyph->Empty()) {
    glyph = TSize{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
    if (!Enabled()) {
      if (FNumGlyphs >= 2) frameIndex = 1;
      else greyed = true;
    } else if (Pushed() && FNumGlyphs >= 3) {
      frameIndex = 2;
    } else if (FDown && FNumGlyphs >= 4) {
      frameIndex = 3;
    } else if (FDown && FNumGlyphs >= 3) {
      frameIndex = 2;
    }
  }
  const std::string caption = Caption();
  const TSize text = caption.empty() ? TSize{} : MeasureText(*Font(), caption, DT_SINGLELINE);
  const bool rtl = BiDiMode() != bdLeftToRight;
  const TButtonContentPlace place = PlaceButtonContent(client, glyph, text, FLayout, FMargin, FSpacing, rtl);
  if (!FGlyph->Empty()) PaintGlyph(canvas, TPoint{place.GlyphPos.X + shift, place.GlyphPos.Y + shift}, frameIndex, greyed);
  if (caption.empty()) return;
  canvas.Brush().SetStyle(bsClear);
  const UINT flags = DT_SINGLELINE | DT_CENTER | DT_VCENTER | (rtl ? DT_RTLREADING : 0);
  TRect at{place.TextRect.Left + shift, place.TextRect.Top + shift, place.TextRect.Right + shift,
           place.TextRect.Bottom + shift};
  if (!Enabled()) {
    // Engraved: a light copy one pixel down-right under the grey text.
    TRect light{at.Left + 1, at.Top + 1, at.Right + 1, at.Bottom + 1};
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(caption, light, flags);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(caption, at, flags);
}
