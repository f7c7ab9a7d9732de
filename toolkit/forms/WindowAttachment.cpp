#include "WindowAttachment.h"

#include <utility>

#include "Application.h"
#include "WinControl.h"

namespace {

// The window property that holds the control. A property (rather than GWLP_USERDATA) leaves the
// user data of native controls to whoever else wants it; the platform keeps the name's atom only
// while a window carries the property.
constexpr const wchar_t* kControlProperty = L"VexaToolkitControl";

thread_local TCreationScope* tCurrentScope = nullptr;

// The answer of a message whose handler raised: creation fails, a paint is taken as done.
LRESULT FailedMessageResult(HWND Window, UINT Msg) {
  switch (Msg) {
    case WM_NCCREATE: return FALSE;
    case WM_CREATE: return -1;
    case WM_PAINT: ValidateRect(Window, nullptr); return 0;
    default: return 0;
  }
}

}  // namespace

void TWindowAttachment::AttachToolkitWindow(TWinControl& Control, HWND Window) {
  Control.FHandle = Window;
  Control.FDefWndProc = DefWindowProcW;
  Control.FToolkitClass = true;
  SetPropW(Window, kControlProperty, &Control);
}

void TWindowAttachment::AttachNativeWindow(TWinControl& Control, HWND Window) {
  Control.FHandle = Window;
  Control.FToolkitClass = false;
  SetPropW(Window, kControlProperty, &Control);
  Control.FDefWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ToolkitWindowProc)));
}

void TWindowAttachment::Detach(TWinControl& Control) {
  if (!Control.FHandle) return;
  RemovePropW(Control.FHandle, kControlProperty);
  Control.FHandle = nullptr;
}

TWinControl* TWindowAttachment::Find(HWND Window) {
  return Window ? static_cast<TWinControl*>(GetPropW(Window, kControlProperty)) : nullptr;
}

TCreationScope::TCreationScope(TWinControl& Control) : FControl(&Control), FOuter(tCurrentScope) {
  tCurrentScope = this;
}

TCreationScope::~TCreationScope() { tCurrentScope = FOuter; }

TWinControl* TCreationScope::Current() { return tCurrentScope ? tCurrentScope->FControl : nullptr; }

bool TCreationScope::KeepException(TWinControl& Control) {
  if (!tCurrentScope || tCurrentScope->FControl != &Control) return false;
  if (!tCurrentScope->FError) tCurrentScope->FError = std::current_exception();
  return true;
}

void TCreationScope::RethrowKept() {
  if (FError) std::rethrow_exception(std::exchange(FError, nullptr));
}

LRESULT CALLBACK ToolkitWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* control = TWindowAttachment::Find(Window);
  if (!control) {
    // The first message of a toolkit window being made (WM_GETMINMAXINFO or WM_NCCREATE).
    control = TCreationScope::Current();
    if (!control || control->HandleAllocated()) return DefWindowProcW(Window, Msg, WParam, LParam);
    TWindowAttachment::AttachToolkitWindow(*control, Window);
  }
  TMessage message{Msg, WParam, LParam, 0};
  const bool creating = Msg == WM_NCCREATE || Msg == WM_CREATE;
  try {
    control->WndProc(message);
  } catch (...) {
    if (!(creating && TCreationScope::KeepException(*control))) {
      try {
        if (Application) Application->HandleException(control);
      } catch (...) {
        // The exception handler itself failed; nothing more can be reported from here.
      }
    }
    return FailedMessageResult(Window, Msg);
  }
  return message.Result;
}
