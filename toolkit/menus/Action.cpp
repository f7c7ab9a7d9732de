#include "Action.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TAction) {
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Checked).Default(false);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Visible).Default(true);
  PUBLISHED(Hint);
  PUBLISHED(ImageIndex, "TImageIndex").Default(-1);
  PUBLISHED(ShortCut, "TShortCut").Default(scNone);
}

namespace {
// Stores Value and reports whether it changed.
template <class T>
bool Store(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
}  // namespace

TAction::TAction(TComponent* AOwner) : TBasicAction(AOwner) {}

void TAction::SetCaption(const std::string& Value) {
  if (Store(FCaption, Value)) Change();
}
void TAction::SetChecked(bool Value) {
  if (Store(FChecked, Value)) Change();
}
void TAction::SetEnabled(bool Value) {
  if (Store(FEnabled, Value)) Change();
}
void TAction::SetVisible(bool Value) {
  if (Store(FVisible, Value)) Change();
}
void TAction::SetHint(const std::string& Value) {
  if (Store(FHint, Value)) Change();
}
void TAction::SetImageIndex(int32_t Value) {
  if (Store(FImageIndex, Value)) Change();
}
void TAction::SetShortCut(TShortCut Value) {
  if (Store(FShortCut, Value)) Change();
}
