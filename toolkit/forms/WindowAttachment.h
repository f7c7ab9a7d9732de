#pragma once
#include <windows.h>

#include <exception>

class TWinControl;

// The window procedure of every toolkit window: finds the control of the window and hands the
// message to its WndProc. No C++ exception leaves it: one raised by a handler goes to
// Application->HandleException and the message gets a neutral answer (a failed creation, a
// validated paint, 0 otherwise).
LRESULT CALLBACK ToolkitWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

// The link between a window and its control: a window property pointing at the control, and the
// procedure the toolkit passes unhandled messages to.
class TWindowAttachment {
public:
  // A window of the toolkit's class: attached by its first message, which arrives inside
  // CreateWindowEx while a TCreationScope for the control is open.
  static void AttachToolkitWindow(TWinControl& Control, HWND Window);
  // A native control: its class procedure becomes the default handler and ToolkitWindowProc is
  // installed in its place.
  static void AttachNativeWindow(TWinControl& Control, HWND Window);
  // Called for WM_NCDESTROY: the window is gone for the control.
  static void Detach(TWinControl& Control);
  static TWinControl* Find(HWND Window);
};

// Marks the control whose window is being made on this thread. An exception raised while the
// window handles its creation messages is kept here and raised again by the creator once
// CreateWindowEx has returned.
class TCreationScope {
public:
  explicit TCreationScope(TWinControl& Control);
  ~TCreationScope();
  TCreationScope(const TCreationScope&) = delete;
  TCreationScope& operator=(const TCreationScope&) = delete;

  static TWinControl* Current();
  // Keeps the exception in flight; false when no creation is under way for Control.
  static bool KeepException(TWinControl& Control);
  // Raises the kept exception, if any.
  void RethrowKept();

private:
  TWinControl* FControl;
  TCreationScope* FOuter;
  std::exception_ptr FError;
};
