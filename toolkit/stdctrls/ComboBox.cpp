#include "ComboBox.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TComboBox) {
  PublishWinControlBasics(published, clWindow);
  PUBLISHED(DropDownCount).Default(8);
  PUBLISHED(MaxLength).Default(0);
  PUBLISHED(Sorted).Default(false);
  PUBLISHED(Style).Default(csDropDown);
  PUBLISHED(Items);
  PUBLISHED(ItemIndex).Default(-1);
  PUBLISHED(Text, "TCaption");
}
