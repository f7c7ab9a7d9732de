#include "BitBtn.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TBitBtn) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(Cancel).Default(false);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Default).Default(false);
  PUBLISHED(Kind).Default(bkCustom);
  PUBLISHED(Layout).Default(blGlyphLeft);
  PUBLISHED(Margin).Default(-1);
  PUBLISHED(ModalResult, "TModalResult").Default(mrNone);
  PUBLISHED(NumGlyphs).Default(1);
  PUBLISHED(Spacing).Default(4);
}
