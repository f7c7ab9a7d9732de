#include "Button.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TButton) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(Cancel).Default(false);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Default).Default(false);
  PUBLISHED(ModalResult, "TModalResult").Default(mrNone);
}
