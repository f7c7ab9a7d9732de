#include "ModalTimer.h"

#include <gtest/gtest.h>

#include <exception>
#include <map>

namespace {
std::map<UINT_PTR, ModalTimer*>& Timers() {
  static std::map<UINT_PTR, ModalTimer*> timers;
  return timers;
}
}  // namespace

ModalTimer::ModalTimer(UINT Delay, std::function<void()> Action) : FAction(std::move(Action)) {
  FId = SetTimer(nullptr, 0, Delay, &ModalTimer::TimerProc);
  if (FId) Timers()[FId] = this;
}

ModalTimer::~ModalTimer() {
  if (FId && !FFired) KillTimer(nullptr, FId);
  Timers().erase(FId);
}

void CALLBACK ModalTimer::TimerProc(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  auto it = Timers().find(Id);
  if (it == Timers().end() || it->second->FFired) return;
  ModalTimer* self = it->second;
  self->FFired = true;
  try {
    self->FAction();
  } catch (const std::exception& e) {
    ADD_FAILURE() << "timer action raised: " << e.what();
  } catch (...) {
    ADD_FAILURE() << "timer action raised an unknown exception";
  }
}
