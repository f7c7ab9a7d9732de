#include "ListView.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TListView) {
  PublishWinControlBasics(published, clWindow);
  PUBLISHED(BorderStyle).Default(TBorderStyle::bsSingle);
  PUBLISHED(Columns);
  PUBLISHED(GridLines).Default(false);
  PUBLISHED(MultiSelect).Default(false);
  PUBLISHED(RowSelect).Default(false);
  PUBLISHED(ViewStyle).Default(vsIcon);
}
