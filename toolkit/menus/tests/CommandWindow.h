#pragma once
#include <windows.h>

#include <vector>

// A top-level test window that does what a form does with menu commands: a WM_COMMAND from a
// menu (no control handle) goes to DispatchMenuCommand. It detaches any menu bar before it dies.
class CommandWindow {
public:
  CommandWindow();
  ~CommandWindow();
  CommandWindow(const CommandWindow&) = delete;
  CommandWindow& operator=(const CommandWindow&) = delete;

  HWND Handle() const { return FHandle; }
  // Ids of the WM_COMMAND messages DispatchMenuCommand took, in order.
  const std::vector<UINT>& Dispatched() const { return FDispatched; }
  void Pump();

private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

  HWND FHandle;
  std::vector<UINT> FDispatched;
};
