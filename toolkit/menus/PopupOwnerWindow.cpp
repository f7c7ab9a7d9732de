#include "PopupOwnerWindow.h"

#include "MenuErrors.h"

TPopupOwnerWindow::TPopupOwnerWindow()
    : FHandle(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {
  if (!FHandle) throw EMenuError("Cannot create the owner window of a popup menu");
}

TPopupOwnerWindow::~TPopupOwnerWindow() { DestroyWindow(FHandle); }
