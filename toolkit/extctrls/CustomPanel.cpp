#include "CustomPanel.h"

#include <algorithm>

#include "Frame3D.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomPanel) {}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (Value == FBevelInner) return;
  FBevelInner = Value;
  FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (Value == FBevelOuter) return;
  FBevelOuter = Value;
  FrameChanged();
}

void TCustomPanel::SetBevelWidth(int Value) {
  Value = std::max(Value, 1);
  if (Value == FBevelWidth) return;
  FBevelWidth = Value;
  FrameChanged();
}

void TCustomPanel::SetBevelEdges(TBevelEdges Value) {
  if (Value == FBevelEdges) return;
  FBevelEdges = Value;
  FrameChanged();
}

void TCustomPanel::SetBorderWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FBorderWidth) return;
  FBorderWidth = Value;
  FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomPanel::FrameChanged() {
  Realign();
  Invalidate();
}

TRect TCustomPanel::InnerRect() const {
  TRect r = ClientRect();
  auto inset = [&](int Amount, TBevelEdges Edges) {
    if (Edges.Contains(beLeft)) r.Left += Amount;
    if (Edges.Contains(beTop)) r.Top += Amount;
    if (Edges.Contains(beRight)) r.Right -= Amount;
    if (Edges.Contains(beBottom)) r.Bottom -= Amount;
  };
  if (FBevelOuter != bvNone) inset(FBevelWidth, FBevelEdges);
  inset(FBorderWidth, TBevelEdges{beLeft, beTop, beRight, beBottom});
  if (FBevelInner != bvNone) inset(FBevelWidth, FBevelEdges);
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

void TCustomPanel::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  if (FBorderStyle == TBorderStyle::bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::AlignControls(TRect& Rect) {
  const TRect inner = InnerRect();
  Rect.Left = std::max(Rect.Left, inner.Left);
  Rect.Top = std::max(Rect.Top, inner.Top);
  Rect.Right = std::min(Rect.Right, inner.Right);
  Rect.Bottom = std::min(Rect.Bottom, inner.Bottom);
  inherited::AlignControls(Rect);
}

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  TColor top, bottom;
  if (FBevelOuter != bvNone) {
    BevelColors(FBevelOuter, Color(), top, bottom);
    Frame3D(canvas, r, top, bottom, FBevelWidth, FBevelEdges);
  }
  Frame3D(canvas, r, Color(), Color(), FBorderWidth);
  if (FBevelInner != bvNone) {
    BevelColors(FBevelInner, Color(), top, bottom);
    Frame3D(canvas, r, top, bottom, FBevelWidth, FBevelEdges);
  }
  PaintCaption(r);
}

void TCustomPanel::PaintCaption(TRect Rect) {
  const std::string caption = Caption();
  if (caption.empty()) return;
  TCanvas& canvas = Canvas();
  const bool rtl = BiDiMode() != bdLeftToRight;
  const TAlignment alignment = BiDiMode() == bdRightToLeft ? MirroredAlignment(FAlignment) : FAlignment;
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  if (alignment == taCenter) flags |= DT_CENTER;
  else if (alignment == taRightJustify) flags |= DT_RIGHT;
  if (rtl) flags |= DT_RTLREADING;
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(Enabled() ? Font()->Color() : clGrayText);
  canvas.DrawText(caption, Rect, flags);
}
