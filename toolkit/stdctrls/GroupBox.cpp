#include "GroupBox.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TGroupBox) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(Caption, "TCaption");
}
