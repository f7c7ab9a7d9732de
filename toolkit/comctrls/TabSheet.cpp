#include "TabSheet.h"

#include "PageControl.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TTabSheet) {
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Color, "TColor").Default(clBtnFace).Stored(&TControl::IsColorStored);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(ImageIndex).Default(-1);
  PUBLISHED(ParentColor).Default(true);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowHint).Default(false);
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Notebook()); }

void TTabSheet::SetPageControl(TPageControl* Value) { SetParent(Value); }
