#include "RadioGroup.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TRadioGroup) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Columns).Default(1);
  PUBLISHED(Items);
  PUBLISHED(ItemIndex).Default(-1);
}
