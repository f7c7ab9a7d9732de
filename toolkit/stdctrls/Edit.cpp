#include "Edit.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TEdit) {
  PublishWinControlBasics(published, clWindow);
  PUBLISHED(BorderStyle).Default(TBorderStyle::bsSingle);
  PUBLISHED(MaxLength).Default(0);
  PUBLISHED(ReadOnly).Default(false);
  PUBLISHED(Text, "TCaption");
}
