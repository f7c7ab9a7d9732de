#pragma once
#include <windows.h>

// A hidden window that owns a popup menu while it tracks, for callers that have no window of
// their own to give: the menu loop needs a window of this thread for capture and notifications.
// It uses the system's "STATIC" class, so there is no window class to register or unregister.
class TPopupOwnerWindow {
public:
  TPopupOwnerWindow();
  ~TPopupOwnerWindow();
  TPopupOwnerWindow(const TPopupOwnerWindow&) = delete;
  TPopupOwnerWindow& operator=(const TPopupOwnerWindow&) = delete;

  HWND Handle() const { return FHandle; }

private:
  HWND FHandle;
};
