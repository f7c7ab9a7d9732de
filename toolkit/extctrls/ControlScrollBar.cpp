#include "ControlScrollBar.h"

#include <algorithm>

#include "Publisher.h"
#include "ScrollingWinControl.h"

VEXA_DEFINE_CLASS(TControlScrollBar) {
  PUBLISHED(Increment).Default(8);
  PUBLISHED(Position).Default(0);
  PUBLISHED(Range).Stored(false);
  PUBLISHED(Visible).Default(true);
}

TControlScrollBar::TControlScrollBar(TScrollingWinControl& Control, TScrollBarKind Kind)
    : FControl(Control), FKind(Kind) {}

void TControlScrollBar::SetPosition(int Value) { FControl.ScrollTo(*this, Value); }

void TControlScrollBar::SetRange(int Value) {
  Value = std::max(Value, 0);
  if (Value == FRange) return;
  FRange = Value;
  FControl.UpdateScrollBars();
}

void TControlScrollBar::SetIncrement(int Value) { FIncrement = std::max(Value, 1); }

void TControlScrollBar::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  FControl.UpdateScrollBars();
}

bool TControlScrollBar::IsScrollBarVisible() const {
  if (!FControl.HandleAllocated()) return false;
  const auto style = GetWindowLongPtrW(FControl.Handle(), GWL_STYLE);
  return (style & (FKind == sbVertical ? WS_VSCROLL : WS_HSCROLL)) != 0;
}

void TControlScrollBar::Assign(const TPersistent* Source) {
  const auto* bar = dynamic_cast<const TControlScrollBar*>(Source);
  if (!bar) return inherited::Assign(Source);
  FIncrement = bar->FIncrement;
  FVisible = bar->FVisible;
  if (!FControl.AutoScroll()) FRange = bar->FRange;
  FControl.UpdateScrollBars();
  SetPosition(bar->FPosition);
}
