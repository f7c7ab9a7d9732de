#include "ListBox.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TListBox) {
  PublishWinControlBasics(published, clWindow);
  PUBLISHED(BorderStyle).Default(TBorderStyle::bsSingle);
  PUBLISHED(ItemHeight).Default(0);
  PUBLISHED(Items);
  PUBLISHED(MultiSelect).Default(false);
  PUBLISHED(Sorted).Default(false);
}
