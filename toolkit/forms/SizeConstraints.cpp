#include "SizeConstraints.h"

#include <algorithm>

#include "Publisher.h"

VEXA_DEFINE_CLASS(TSizeConstraints) {
  PUBLISHED(MaxHeight).Default(0);
  PUBLISHED(MaxWidth).Default(0);
  PUBLISHED(MinHeight).Default(0);
  PUBLISHED(MinWidth).Default(0);
}

int TSizeConstraints::Clamp(int Value, int Min, int Max) {
  if (Max > 0) Value = std::min(Value, Max);
  return std::max(Value, Min);
}

void TSizeConstraints::SetMinWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FMinWidth) return;
  FMinWidth = Value;
  if (FMaxWidth > 0 && FMaxWidth < Value) FMaxWidth = Value;
  Change();
}

void TSizeConstraints::SetMinHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == FMinHeight) return;
  FMinHeight = Value;
  if (FMaxHeight > 0 && FMaxHeight < Value) FMaxHeight = Value;
  Change();
}

void TSizeConstraints::SetMaxWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FMaxWidth) return;
  FMaxWidth = Value;
  if (Value > 0 && FMinWidth > Value) FMinWidth = Value;
  Change();
}

void TSizeConstraints::SetMaxHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == FMaxHeight) return;
  FMaxHeight = Value;
  if (Value > 0 && FMinHeight > Value) FMinHeight = Value;
  Change();
}

void TSizeConstraints::Assign(const TPersistent* Source) {
  const auto* other = dynamic_cast<const TSizeConstraints*>(Source);
  if (!other) return inherited::Assign(Source);
  FMinWidth = other->FMinWidth;
  FMinHeight = other->FMinHeight;
  FMaxWidth = other->FMaxWidth;
  FMaxHeight = other->FMaxHeight;
  Change();
}

void TSizeConstraints::Change() {
  if (FOnChange) FOnChange(this);
}
