#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Plays the user of the next system dialog: a CBT hook notices the first "#32770" window of this
// thread being activated, and Delay ms later (from a timer the dialog's own modal loop dispatches)
// Action runs with it. Exceptions and failed assertions in Action count against the running test.
// A dialog still open 5 s after the action (a wrong action, an unexpected error box) fails the
// test and is cancelled, with every other dialog of the thread, so the test cannot hang.
// One driver at a time.
class DialogDriver {
public:
  explicit DialogDriver(std::function<void(HWND Dialog)> Action, UINT Delay = 200);
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  HWND Dialog() const { return FDialog; }
  bool Acted() const { return FActed; }

private:
  static LRESULT CALLBACK CbtProc(int Code, WPARAM WParam, LPARAM LParam);
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR Id, DWORD);
  static void CALLBACK WatchdogProc(HWND, UINT, UINT_PTR Id, DWORD);

  std::function<void(HWND)> FAction;
  UINT FDelay;
  HHOOK FHook;
  HWND FDialog = nullptr;
  UINT_PTR FTimer = 0;
  UINT_PTR FWatchdog = 0;
  bool FActed = false;
};

std::wstring WindowText(HWND Window);
std::wstring ClassOf(HWND Window);
// The first descendant of Parent of class ClassName (and, when given, with that text), or null.
HWND FindDescendant(HWND Parent, const wchar_t* ClassName, const wchar_t* Text = nullptr);
int CountDescendants(HWND Parent, const wchar_t* ClassName);
// Posts the WM_COMMAND a click on the button with this id would send.
void PressButton(HWND Dialog, int Id);
