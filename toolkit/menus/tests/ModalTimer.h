#pragma once
#include <windows.h>

#include <functional>

// Runs an action once, Delay ms from now, from whatever message loop is running then: the modal
// loop of a popup menu or dialog dispatches thread timers too. Exceptions of the action are
// caught in the timer callback and counted as a failure of the running test.
class ModalTimer {
public:
  ModalTimer(UINT Delay, std::function<void()> Action);
  ~ModalTimer();
  ModalTimer(const ModalTimer&) = delete;
  ModalTimer& operator=(const ModalTimer&) = delete;

  bool Fired() const { return FFired; }

private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR Id, DWORD);

  UINT_PTR FId;
  std::function<void()> FAction;
  bool FFired = false;
};
