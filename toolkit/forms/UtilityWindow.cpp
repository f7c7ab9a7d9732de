#include "UtilityWindow.h"

#include "Application.h"
#include "FormsErrors.h"

namespace {
constexpr const wchar_t* kClassName = L"VexaUtilityWindow";

void RegisterOnce(WNDPROC Procedure) {
  static const bool registered = [Procedure] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  if (!registered) throw EOutOfResources("Cannot register the utility window class");
}
}  // namespace

TUtilityWindow::TUtilityWindow(THandler Handler) : FHandler(std::move(Handler)) {
  RegisterOnce(&WindowProc);
  FHandle = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!FHandle) throw EOutOfResources("Cannot create a utility window");
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TUtilityWindow::~TUtilityWindow() {
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
  DestroyWindow(FHandle);
}

LRESULT CALLBACK TUtilityWindow::WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* owner = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (!owner || !owner->FHandler) return DefWindowProcW(Window, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  try {
    // The handler may free the owner (a timer freed by its own event): nothing of it is used after.
    THandler handler = owner->FHandler;
    if (handler(message)) return message.Result;
  } catch (...) {
    try {
      if (Application) Application->HandleException(nullptr);
    } catch (...) {
      // The exception handler failed too; nothing more can be done inside a window procedure.
    }
    return 0;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}
