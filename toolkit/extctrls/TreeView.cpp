#include "TreeView.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TTreeView) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(BorderStyle).Default(TBorderStyle::bsSingle);
  PUBLISHED(Color, "TColor").Default(clWindow).Stored(&TControl::IsColorStored);
  PUBLISHED(Constraints);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(HideSelection).Default(true);
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowButtons).Default(true);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(ShowLines).Default(true);
  PUBLISHED(ShowRoot).Default(true);
  PUBLISHED(TabStop).Default(true);
  PUBLISHED(Visible).Default(true);
}
