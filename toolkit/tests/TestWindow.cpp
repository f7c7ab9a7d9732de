#include "TestWindow.h"

#include <stdexcept>

#include "TCanvas.h"

namespace {
const wchar_t* kClassName = L"GraphicsTestWindow";

void RegisterOnce() {
  static bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    return RegisterClassW(&wc) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the test window class");
}
}  // namespace

TestWindow::TestWindow(int x, int y, int width, int height, DWORD style) {
  RegisterOnce();
  FHandle = CreateWindowExW(0, kClassName, L"Test", style, x, y, width, height, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!FHandle) throw std::runtime_error("cannot create the test window");
  ShowWindow(FHandle, SW_SHOWNOACTIVATE);
  UpdateWindow(FHandle);
  Pump();
}

TestWindow::~TestWindow() { DestroyWindow(FHandle); }

void TestWindow::Pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

std::unique_ptr<TBitmap> TestWindow::Capture() const {
  RECT r;
  GetWindowRect(FHandle, &r);
  auto image = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
  HDC dc = GetWindowDC(FHandle);
  BitBlt(image->Canvas().Handle(), 0, 0, image->Width(), image->Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(FHandle, dc);
  return image;
}
