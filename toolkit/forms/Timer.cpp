#include "Timer.h"

#include <windows.h>

#include "ControlTypes.h"
#include "FormsErrors.h"
#include "Publisher.h"
#include "UtilityWindow.h"

VEXA_DEFINE_CLASS(TTimer) {
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Interval).Default(1000);
}

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  if (FRunning) KillTimer(FWindow->Handle(), kTimerId);
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(int Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FRunning) {
    KillTimer(FWindow->Handle(), kTimerId);
    FRunning = false;
  }
  if (!FEnabled || FInterval <= 0 || !FOnTimer) return;
  if (!FWindow) {
    FWindow = std::make_unique<TUtilityWindow>([this](TMessage& Message) {
      if (Message.Msg != WM_TIMER) return false;
      Timer();
      return true;
    });
  }
  if (!SetTimer(FWindow->Handle(), kTimerId, static_cast<UINT>(FInterval), nullptr))
    throw EOutOfResources("Not enough timers available");
  FRunning = true;
}

void TTimer::Timer() { CallEvent(FOnTimer, this); }
