#pragma once
// What the tests of the toolkit-painted controls share: a shown host form, real mouse and key
// messages, pixels read back from windows, and a window procedure installed over a control's as a
// third party (a skinner) would.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "Form.h"
#include "FormsTestSupport.h"
#include "TBitmap.h"
#include "TColor.h"
#include "TRect.h"

class TControl;
class TWinControl;

// PumpMessages and PumpUntil come from the form layer's test support.

// A plain form at (40, 40), ClientWidth x ClientHeight, shown and painted.
std::unique_ptr<TForm> MakeHostForm(int ClientWidth = 400, int ClientHeight = 300);

// Mouse messages sent to a window at a client point, as the platform sends them: the flags carry
// the buttons held down.
void SendMouse(TWinControl& Target, UINT Msg, int X, int Y, WPARAM Flags = 0);
// A press and a release at Press and Release (left button), with moves to the release point.
void ClickAt(TWinControl& Target, int X, int Y);
void DragClick(TWinControl& Target, POINT Press, POINT Release);
// The point in Target's client area at the centre of Control (a child, or a child's child).
POINT CentreOf(const TWinControl& Target, const TControl& Control);
// A key going down and up, sent to the window.
void SendKey(TWinControl& Target, WORD Key);

// The colour of a client pixel, read through the window's own DC (other windows do not matter).
TColor PixelAt(TWinControl& Window, int X, int Y);
// The whole client area as it is on screen now, for reading many pixels.
std::unique_ptr<TBitmap> CaptureClient(TWinControl& Window);
// The number of pixels of Color in Rect of a captured picture.
int CountPixels(const TBitmap& Picture, const TRect& Rect, TColor Color);
// The real colour number of a (system) colour.
TColor Rgb(TColor Color);

// Installs a window procedure over a control's window and records the messages it passes on.
class TThirdPartyHook {
public:
  explicit TThirdPartyHook(TWinControl& Control);
  ~TThirdPartyHook();
  TThirdPartyHook(const TThirdPartyHook&) = delete;
  TThirdPartyHook& operator=(const TThirdPartyHook&) = delete;

  int Count(UINT Msg) const;
  void Clear() { FLog.clear(); }

private:
  static LRESULT CALLBACK Procedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  TWinControl* FControl;
  HWND FWindow;
  WNDPROC FOld;
  std::vector<UINT> FLog;
};
