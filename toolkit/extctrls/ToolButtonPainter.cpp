#include "ToolButtonPainter.h"

#include "Frame3D.h"
#include "TImageList.h"
#include "TextMeasure.h"
#include "ToolBar.h"
#include "ToolButton.h"

namespace {

void PaintFace(TCanvas& Canvas, TRect Rect, bool Flat, bool Pressed, bool Hot) {
  if (Flat) {
    if (Pressed) Frame3D(Canvas, Rect, clBtnShadow, clBtnHighlight, 1);
    else if (Hot) Frame3D(Canvas, Rect, clBtnHighlight, clBtnShadow, 1);
    return;
  }
  if (Pressed) {
    Frame3D(Canvas, Rect, cl3DDkShadow, clBtnHighlight, 1);
    Frame3D(Canvas, Rect, clBtnShadow, cl3DLight, 1);
  } else {
    Frame3D(Canvas, Rect, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(Canvas, Rect, cl3DLight, clBtnShadow, 1);
  }
}

void PaintDivider(TCanvas& Canvas, const TRect& Rect) {
  const int x = Rect.Left + Rect.Width() / 2 - 1;
  TRect line{x, Rect.Top + 2, x + 2, Rect.Bottom - 2};
  Frame3D(Canvas, line, clBtnShadow, clBtnHighlight, 1, TBevelEdges{beLeft, beRight});
}

void PaintArrow(TCanvas& Canvas, const TRect& Area, TColor Color) {
  // A small downward triangle: rows 5, 3, 1 pixels wide.
  const int cx = Area.Left + Area.Width() / 2;
  const int top = Area.Top + Area.Height() / 2 - 1;
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Brush().SetColor(Color);
  for (int row = 0; row < 3; ++row) Canvas.FillRect(TRect{cx - 2 + row, top + row, cx + 3 - row, top + row + 1});
}

}  // namespace

void PaintToolButton(TCanvas& Canvas, const TToolBar& Bar, const TToolButton& Button, TToolButtonDrawState State) {
  const TRect whole{0, 0, Button.Width(), Button.Height()};
  const TToolButtonStyle style = Button.Style();
  if (style == tbsSeparator) return;
  if (style == tbsDivider) return PaintDivider(Canvas, whole);

  const bool pushed = State.Contains(tdsPushed);
  const bool down = State.Contains(tdsDown);
  const bool hot = State.Contains(tdsHot) || State.Contains(tdsMarked);
  const bool disabled = State.Contains(tdsDisabled);
  if (down && !pushed) {
    // A checked button's face is lighter than the bar.
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(cl3DLight);
    Canvas.FillRect(TRect{whole.Left + 1, whole.Top + 1, whole.Right - 1, whole.Bottom - 1});
  }
  PaintFace(Canvas, whole, Bar.Flat(), pushed || down, hot);

  TRect content = whole;
  if (style == tbsDropDown) {
    content.Right -= kToolButtonArrowWidth;
    PaintArrow(Canvas, TRect{content.Right, whole.Top, whole.Right, whole.Bottom}, disabled ? clGrayText : clBtnText);
  }
  const int shift = (pushed || down) ? 1 : 0;

  TImageList* images = Bar.Images();
  const bool ownDisabledImages = disabled && Bar.DisabledImages();
  if (ownDisabledImages) images = Bar.DisabledImages();
  const int index = Button.ImageIndex();
  const bool hasImage = images && index >= 0 && index < images->Count();
  const std::string caption = Button.Caption();
  const bool hasCaption = Bar.ShowCaptions() && !caption.empty();

  Canvas.Font().Assign(*Button.Font());
  Canvas.Font().SetColor(disabled ? clGrayText : Button.Font()->Color());
  Canvas.Brush().SetStyle(bsClear);
  const UINT rtl = Button.BiDiMode() != bdLeftToRight ? DT_RTLREADING : 0;

  if (Bar.List()) {
    int x = content.Left + kToolButtonPadding;
    if (hasImage) {
      images->Draw(Canvas, x + shift, content.Top + (content.Height() - images->Height()) / 2 + shift, index,
                   !disabled || ownDisabledImages);
      x += images->Width() + kToolButtonImageGap;
    }
    if (hasCaption) {
      TRect text{x + shift, content.Top + shift, content.Right + shift, content.Bottom + shift};
      Canvas.DrawText(caption, text, DT_SINGLELINE | DT_VCENTER | rtl);
    }
    return;
  }
  const int imageHeight = hasImage ? images->Height() : 0;
  const int textHeight = hasCaption ? MeasureText(Canvas.Font(), caption, DT_SINGLELINE).cy : 0;
  int y = content.Top + (content.Height() - imageHeight - textHeight - (hasImage && hasCaption ? 1 : 0)) / 2;
  if (hasImage) {
    images->Draw(Canvas, content.Left + (content.Width() - images->Width()) / 2 + shift, y + shift, index,
                 !disabled || ownDisabledImages);
    y += imageHeight + 1;
  }
  if (hasCaption) {
    TRect text{content.Left + shift, y + shift, content.Right + shift, y + textHeight + shift};
    Canvas.DrawText(caption, text, DT_SINGLELINE | DT_CENTER | rtl);
  }
}
