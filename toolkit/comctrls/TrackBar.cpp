#include "TrackBar.h"

#include <commctrl.h>

#include <algorithm>

#include "ControlMessages.h"
#include "NativeQuery.h"
#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TTrackBar) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(Frequency).Default(1);
  PUBLISHED(LineSize).Default(1);
  PUBLISHED(Max).Default(10);
  PUBLISHED(Min).Default(0);
  PUBLISHED(Orientation).Default(trHorizontal);
  PUBLISHED(PageSize).Default(2);
  PUBLISHED(Position).Default(0);
  PUBLISHED(TickMarks).Default(tmBottomRight);
  PUBLISHED(TickStyle).Default(tsAuto);
}

TTrackBar::TTrackBar(TComponent* AOwner) : TNativeControl(AOwner, TRACKBAR_CLASSW, ICC_BAR_CLASSES) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= FOrientation == trVertical ? TBS_VERT : TBS_HORZ;
  switch (FTickStyle) {
    case tsNone: Params.Style |= TBS_NOTICKS; break;
    case tsAuto: Params.Style |= TBS_AUTOTICKS; break;
    case tsManual: break;
  }
  // TBS_TOP and TBS_LEFT are the same bit, as are TBS_BOTTOM and TBS_RIGHT (0).
  if (FTickMarks == tmTopLeft) Params.Style |= TBS_TOP;
  else if (FTickMarks == tmBoth) Params.Style |= TBS_BOTH;
}

void TTrackBar::CreateWnd() {
  inherited::CreateWnd();
  Perform(TBM_SETRANGEMIN, FALSE, FMin);
  Perform(TBM_SETRANGEMAX, FALSE, FMax);
  Perform(TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency));
  Perform(TBM_SETLINESIZE, 0, FLineSize);
  Perform(TBM_SETPAGESIZE, 0, FPageSize);
  for (int tick : FTicks) Perform(TBM_SETTIC, 0, tick);
  Perform(TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::DestroyWnd() {
  FPosition = Position();
  inherited::DestroyWnd();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  // The long side follows the slider.
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
  if (Value == FTickStyle) return;
  FTickStyle = Value;
  RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark Value) {
  if (Value == FTickMarks) return;
  FTickMarks = Value;
  RecreateWnd();
}

void TTrackBar::SetMin(int Value) {
  if (Value == FMin) return;
  FMin = Value;
  if (HandleAllocated()) Perform(TBM_SETRANGEMIN, TRUE, Value);
  SyncPosition();
}

void TTrackBar::SetMax(int Value) {
  if (Value == FMax) return;
  FMax = Value;
  if (HandleAllocated()) Perform(TBM_SETRANGEMAX, TRUE, Value);
  SyncPosition();
}

int TTrackBar::Position() const {
  return HandleAllocated() ? static_cast<int>(QueryWindow(*this, TBM_GETPOS)) : FPosition;
}

void TTrackBar::SetPosition(int Value) {
  if (!ComponentState().Contains(csLoading)) Value = std::clamp(Value, std::min(FMin, FMax), std::max(FMin, FMax));
  if (HandleAllocated()) Perform(TBM_SETPOS, TRUE, Value);
  if (Value == FPosition) return;
  FPosition = Value;
  Changed();
}

void TTrackBar::SetFrequency(int Value) {
  if (Value < 1) Value = 1;
  if (Value == FFrequency) return;
  FFrequency = Value;
  if (HandleAllocated()) Perform(TBM_SETTICFREQ, static_cast<WPARAM>(Value));
}

void TTrackBar::SetLineSize(int Value) {
  FLineSize = Value;
  if (HandleAllocated()) Perform(TBM_SETLINESIZE, 0, Value);
}

void TTrackBar::SetPageSize(int Value) {
  FPageSize = Value;
  if (HandleAllocated()) Perform(TBM_SETPAGESIZE, 0, Value);
}

void TTrackBar::SetTick(int Value) {
  FTicks.push_back(Value);
  if (HandleAllocated()) Perform(TBM_SETTIC, 0, Value);
}

void TTrackBar::Changed() { CallEvent(FOnChange, this); }

// The window moved the thumb (or a range change pushed it): Position follows.
void TTrackBar::SyncPosition() {
  if (!HandleAllocated()) {
    if (!ComponentState().Contains(csLoading)) FPosition = std::clamp(FPosition, std::min(FMin, FMax), std::max(FMin, FMax));
    return;
  }
  const int position = Position();
  if (position == FPosition) return;
  FPosition = position;
  Changed();
}

void TTrackBar::WndProc(TMessage& Message) {
  if (Message.Msg == CN_HSCROLL || Message.Msg == CN_VSCROLL) {
    Message.Result = 0;
    return SyncPosition();
  }
  inherited::WndProc(Message);
}
