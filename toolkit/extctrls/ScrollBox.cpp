#include "ScrollBox.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TScrollBox) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(AutoScroll).Default(true);
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(BorderStyle).Default(TBorderStyle::bsSingle);
  PUBLISHED(Color, "TColor").Default(clBtnFace).Stored(&TControl::IsColorStored);
  PUBLISHED(Constraints);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(HorzScrollBar);
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(TabStop).Default(false);
  PUBLISHED(VertScrollBar);
  PUBLISHED(Visible).Default(true);
}

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) { SetBounds(0, 0, 185, 41); }

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  if (FBorderStyle == TBorderStyle::bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}
