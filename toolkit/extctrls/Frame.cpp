#include "Frame.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TFrame) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(AutoScroll).Default(true);
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
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
