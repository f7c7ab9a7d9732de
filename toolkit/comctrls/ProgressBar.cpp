#include "ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

#include "NativeQuery.h"
#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TProgressBar) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(Max).Default(100);
  PUBLISHED(Min).Default(0);
  PUBLISHED(Orientation).Default(pbHorizontal);
  PUBLISHED(Position).Default(0);
  PUBLISHED(Smooth).Default(false);
  PUBLISHED(Step).Default(10);
}

TProgressBar::TProgressBar(TComponent* AOwner) : TNativeControl(AOwner, PROGRESS_CLASSW, ICC_PROGRESS_CLASS) {
  SetBounds(0, 0, 150, 17);
}

void TProgressBar::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  if (FOrientation == pbVertical) Params.Style |= PBS_VERTICAL;
  if (FSmooth) Params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd() {
  inherited::CreateWnd();
  Perform(PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  Perform(PBM_SETSTEP, static_cast<WPARAM>(FStep));
  Perform(PBM_SETPOS, static_cast<WPARAM>(FPosition));
}

void TProgressBar::DestroyWnd() {
  FPosition = Position();
  inherited::DestroyWnd();
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  RecreateWnd();
}

void TProgressBar::SetSmooth(bool Value) {
  if (Value == FSmooth) return;
  FSmooth = Value;
  RecreateWnd();
}

void TProgressBar::SetMin(int Value) {
  if (Value == FMin) return;
  FMin = Value;
  if (HandleAllocated()) Perform(PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  else if (!ComponentState().Contains(csLoading)) FPosition = std::max(FPosition, FMin);
}

void TProgressBar::SetMax(int Value) {
  if (Value == FMax) return;
  FMax = Value;
  if (HandleAllocated()) Perform(PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  else if (!ComponentState().Contains(csLoading)) FPosition = std::min(FPosition, FMax);
}

int TProgressBar::Position() const {
  return HandleAllocated() ? static_cast<int>(QueryWindow(*this, PBM_GETPOS)) : FPosition;
}

void TProgressBar::SetPosition(int Value) {
  if (!ComponentState().Contains(csLoading) && FMin <= FMax) Value = std::clamp(Value, FMin, FMax);
  FPosition = Value;
  if (HandleAllocated()) Perform(PBM_SETPOS, static_cast<WPARAM>(Value));
}

void TProgressBar::SetStep(int Value) {
  FStep = Value;
  if (HandleAllocated()) Perform(PBM_SETSTEP, static_cast<WPARAM>(Value));
}

void TProgressBar::StepIt() {
  if (HandleAllocated()) {
    Perform(PBM_STEPIT);
    FPosition = Position();
    return;
  }
  FPosition += FStep;
  if (FPosition > FMax) FPosition = FMin + (FPosition - FMax);
}

void TProgressBar::StepBy(int Delta) {
  if (HandleAllocated()) {
    Perform(PBM_DELTAPOS, static_cast<WPARAM>(Delta));
    FPosition = Position();
    return;
  }
  SetPosition(FPosition + Delta);
}
