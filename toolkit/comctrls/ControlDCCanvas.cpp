#include "ControlDCCanvas.h"

#include "WinControl.h"

void TControlDCCanvas::Acquire() {
  if (Handle()) return;
  HWND window = FControl.Handle();
  HDC dc = GetDC(window);
  if (!dc) return;
  FWindow = window;
  SetHandle(dc);
}

void TControlDCCanvas::Release() {
  if (!Handle()) return;
  ReleaseDC(FWindow, Handle());
  SetHandle(nullptr);
  FWindow = nullptr;
}
