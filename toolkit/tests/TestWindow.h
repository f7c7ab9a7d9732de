#pragma once
#include <windows.h>

#include <memory>

#include "TBitmap.h"

// A plain top-level window for drawing tests, shown without activation and destroyed with the
// object.
class TestWindow {
public:
  TestWindow(int x, int y, int width, int height, DWORD style = WS_OVERLAPPEDWINDOW);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Handle() const { return FHandle; }
  // Lets the window handle its pending messages (painting included).
  void Pump();
  // The whole window (non-client area included) as the screen shows it now, read through
  // GetWindowDC so windows on top of it do not matter.
  std::unique_ptr<TBitmap> Capture() const;

private:
  HWND FHandle;
};
