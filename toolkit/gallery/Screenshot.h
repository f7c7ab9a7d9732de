#pragma once
#include <windows.h>

#include <memory>
#include <string>

class TBitmap;

// Repaints Window and every child now, then handles messages for Milliseconds (late painting,
// timers, layout) and paints once more, so a capture taken afterwards sees the finished window.
void PaintCompletely(HWND Window, DWORD Milliseconds);

// The whole window, non-client area included, read through its window DC: that reads the
// window's own pixels even when another window covers it.
std::unique_ptr<TBitmap> CaptureWindow(HWND Window);

// Writes Bitmap as a 24-bit BMP file (UTF-8 name); std::runtime_error when that fails.
void WriteBmpFile(const TBitmap& Bitmap, const std::string& FileName);
