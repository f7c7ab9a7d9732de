#include "StatusPanel.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TStatusPanel) {
  PUBLISHED(Alignment).Default(taLeftJustify);
  PUBLISHED(Text);
  PUBLISHED(Width).Default(50);
}

void TStatusPanel::SetText(const std::string& Value) {
  if (Value == FText) return;
  FText = Value;
  Changed(false);
}

void TStatusPanel::SetWidth(int Value) {
  if (Value < 0) Value = 0;
  if (Value == FWidth) return;
  FWidth = Value;
  Changed(true);  // the parts after it move
}

void TStatusPanel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Changed(false);
}
