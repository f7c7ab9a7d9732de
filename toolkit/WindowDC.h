#pragma once
#include <windows.h>

#include <stdexcept>

// Which DC of a window: its client area (GetDC) or the whole window, non-client area included
// (GetWindowDC).
enum class TWindowArea { waClient, waWhole };

// Owns a DC obtained from a window and releases it to that window in the destructor.
class WindowDC {
public:
  WindowDC(HWND window, TWindowArea area)
      : FWindow(window), FDC(area == TWindowArea::waWhole ? GetWindowDC(window) : GetDC(window)) {
    if (!FDC) throw std::runtime_error("Cannot get the window's device context");
  }
  ~WindowDC() { ReleaseDC(FWindow, FDC); }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC Get() const { return FDC; }
  HWND Window() const { return FWindow; }

private:
  HWND FWindow;
  HDC FDC;
};
