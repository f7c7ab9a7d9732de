#include "ToggleBox.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TToggleBox) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(AllowGrayed).Default(false);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Checked).Stored(false);  // State holds it
  PUBLISHED(State).Default(cbUnchecked);
}

TToggleBox::TToggleBox(TComponent* AOwner) : TCustomCheckBox(AOwner) { SetBounds(0, 0, 75, 25); }

void TToggleBox::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= BS_PUSHLIKE;
}
