#include "CommandWindow.h"

#include <gtest/gtest.h>

#include <exception>
#include <stdexcept>

#include "MenuCommands.h"

namespace {
const wchar_t* kClassName = L"MenuCommandTestWindow";
}

CommandWindow::CommandWindow() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &CommandWindow::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    return RegisterClassW(&wc) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the test window class");
  FHandle = CreateWindowExW(0, kClassName, L"Menus", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (!FHandle) throw std::runtime_error("cannot create the test window");
  ShowWindow(FHandle, SW_SHOW);
  SetForegroundWindow(FHandle);
  Pump();
}

CommandWindow::~CommandWindow() {
  SetMenu(FHandle, nullptr);
  DestroyWindow(FHandle);
}

void CommandWindow::Pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

LRESULT CALLBACK CommandWindow::WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  if (Message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(LParam);
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<CommandWindow*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (Message == WM_COMMAND && LParam == 0 && HIWORD(WParam) == 0 && self) {
    try {
      if (DispatchMenuCommand(LOWORD(WParam))) {
        self->FDispatched.push_back(LOWORD(WParam));
        return 0;
      }
    } catch (const std::exception& e) {
      ADD_FAILURE() << "menu command raised: " << e.what();
      return 0;
    }
  }
  return DefWindowProcW(Window, Message, WParam, LParam);
}
