#include "Label.h"

#include "Publisher.h"
#include "WinControl.h"

VEXA_DEFINE_CLASS(TLabel) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Alignment).Default(taLeftJustify);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(AutoSize).Default(true);
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Color, "TColor").Default(clBtnFace).Stored(&TControl::IsColorStored);
  PUBLISHED(Constraints);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(FocusControl);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(Layout).Default(tlTop);
  PUBLISHED(ParentColor).Default(true);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowAccelChar).Default(true);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(Transparent).Default(false);
  PUBLISHED(Visible).Default(true);
  PUBLISHED(WordWrap).Default(false);
}
