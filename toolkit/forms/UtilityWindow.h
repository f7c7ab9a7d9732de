#pragma once
#include <windows.h>

#include <functional>

#include "Message.h"

// A hidden message-only window owned by one object (a timer, for instance): its messages go to
// Handler, which answers true for those it handled; the others get the platform's default
// handling. An exception from Handler goes to Application->HandleException.
class TUtilityWindow {
public:
  using THandler = std::function<bool(TMessage& Message)>;

  explicit TUtilityWindow(THandler Handler);
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;

  HWND Handle() const { return FHandle; }

private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

  THandler FHandler;
  HWND FHandle = nullptr;
};
