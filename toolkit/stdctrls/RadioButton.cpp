#include "RadioButton.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TRadioButton) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(Alignment).Default(taRightJustify);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Checked).Default(false);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TCustomCheckBox(AOwner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::StateChanged() {
  if (!Checked()) {
    CallEvent(OnChange(), this);
    return;
  }
  // The platform unchecks the siblings of a clicked button; code that checks one needs the same.
  if (TWinControl* parent = Parent())
    for (int i = 0; i < parent->ControlCount(); ++i)
      if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i)); sibling && sibling != this)
        sibling->SetChecked(false);
  CallEvent(OnChange(), this);
  Click();
}
