#include "UpDown.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TUpDown) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(Associate);
  PUBLISHED(Increment).Default(1);
  PUBLISHED(Max).Default(100);
  PUBLISHED(Min).Default(0);
  PUBLISHED(Orientation).Default(udVertical);
  PUBLISHED(Position).Default(0);
  PUBLISHED(Wrap).Default(false);
}
