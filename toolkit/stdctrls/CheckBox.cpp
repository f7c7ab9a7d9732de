#include "CheckBox.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TCheckBox) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(Alignment).Default(taRightJustify);
  PUBLISHED(AllowGrayed).Default(false);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Checked).Stored(false);  // State holds it
  PUBLISHED(State).Default(cbUnchecked);
}
