#include "Panel.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TPanel) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Alignment).Default(taCenter);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(BevelEdges).Default(TBevelEdges{beLeft, beTop, beRight, beBottom});
  PUBLISHED(BevelInner).Default(bvNone);
  PUBLISHED(BevelOuter).Default(bvRaised);
  PUBLISHED(BevelWidth).Default(1);
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(BorderStyle).Default(TBorderStyle::bsNone);
  PUBLISHED(BorderWidth).Default(0);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Color, "TColor").Default(clBtnFace).Stored(&TControl::IsColorStored);
  PUBLISHED(Constraints);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(TabStop).Default(false);
  PUBLISHED(Visible).Default(true);
}
