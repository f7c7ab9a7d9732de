#include "Screenshot.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "Application.h"
#include "BitmapFile.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TextEncoding.h"
#include "WindowDC.h"

void PaintCompletely(HWND Window, DWORD Milliseconds) {
  const UINT everything = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
  RedrawWindow(Window, nullptr, nullptr, everything);
  const ULONGLONG end = GetTickCount64() + Milliseconds;
  while (GetTickCount64() < end) {
    Application->ProcessMessages();
    Sleep(10);
  }
  RedrawWindow(Window, nullptr, nullptr, everything);
  Application->ProcessMessages();
  GdiFlush();
}

std::unique_ptr<TBitmap> CaptureWindow(HWND Window) {
  RECT bounds{};
  if (!GetWindowRect(Window, &bounds)) throw std::runtime_error("GetWindowRect failed");
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) throw std::runtime_error("The window has no area to capture");
  auto bitmap = std::make_unique<TBitmap>(width, height);
  const WindowDC source(Window, TWindowArea::waWhole);
  if (!BitBlt(bitmap->Canvas().Handle(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY))
    throw std::runtime_error("BitBlt from the window DC failed");
  GdiFlush();
  return bitmap;
}

void WriteBmpFile(const TBitmap& Bitmap, const std::string& FileName) {
  const std::vector<uint8_t> bytes = SaveBitmapToBytes(Bitmap);
  std::ofstream file(std::filesystem::path(Utf8ToWide(FileName)), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("Cannot write " + FileName);
}
