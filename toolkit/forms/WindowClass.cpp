#include "WindowClass.h"

#include "FormsErrors.h"
#include "WindowAttachment.h"

void RegisterToolkitWindowClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    // Double clicks become messages; the whole window is repainted on a resize, since aligned and
    // anchored children and custom pictures depend on the size.
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ToolkitWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = nullptr;  // each control paints its own background in its Color
    wc.lpszClassName = kToolkitWindowClass;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  if (!registered) throw EOutOfResources("Cannot register the toolkit's window class");
}
