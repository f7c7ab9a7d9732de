#pragma once
// Helpers for driving the toolkit's controls under a real message loop: a host form, message
// pumping, a third-party window procedure that records what a control's window receives, pixel
// reading and mouse/keyboard input sent as real window messages.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Form.h"
#include "FormResource.h"
#include "FormsTestSupport.h"
#include "Message.h"

// A shown form to put controls on; destroyed with the pointer.
std::unique_ptr<TForm> MakeHostForm(int Width = 480, int Height = 360);

// PumpMessages and PumpUntil come from the form layer's test support.

// A window procedure installed over a control's window with SetWindowLongPtr(GWLP_WNDPROC), the
// way a skinner subclasses a control. It records every message and passes it on. It finds itself
// through the control, so it goes on working when the toolkit carries it over to a new window of
// the control; the destructor takes it out again while it is still the window's procedure.
class TWinControl;

class TSubclassProbe {
public:
  explicit TSubclassProbe(TWinControl& Control);
  ~TSubclassProbe();
  TSubclassProbe(const TSubclassProbe&) = delete;
  TSubclassProbe& operator=(const TSubclassProbe&) = delete;

  int Count(UINT Msg) const;
  const std::vector<TMessage>& Log() const { return FLog; }
  void Clear() { FLog.clear(); }

private:
  static LRESULT CALLBACK Procedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  TWinControl* FControl;
  HWND FWindow;
  WNDPROC FOld;
  std::vector<TMessage> FLog;
};

// The window's client area as it is on the screen now, row by row (Pixels[y][x]).
std::vector<std::vector<COLORREF>> CaptureClient(HWND Window);

// A left click at a client point: button down and up, as the mouse sends them.
void ClickAt(HWND Window, int X, int Y);
// A key pressed and released on the window: WM_KEYDOWN, WM_CHAR for printable keys, WM_KEYUP.
void PressKey(HWND Window, WORD Key);
// Posts a key press to the window's queue, so the application's key handling sees it first.
void PostKey(HWND Window, WORD Key);
// Characters typed into the window (WM_CHAR each).
void TypeText(HWND Window, const wchar_t* Text);

// The window's styles.
DWORD WindowStyle(HWND Window);
DWORD WindowExStyle(HWND Window);
// The number of child windows directly inside Window.
int ChildWindowCount(HWND Window);
// The rectangle of Child in Parent's client coordinates.
RECT RectInParent(HWND Child, HWND Parent);
