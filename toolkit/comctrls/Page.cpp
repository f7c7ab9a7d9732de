#include "Page.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TPage) {
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Color, "TColor").Default(clBtnFace).Stored(&TControl::IsColorStored);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(ParentColor).Default(true);
  PUBLISHED(ParentFont).Default(true);
}
