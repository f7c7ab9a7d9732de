#pragma once
#include <windows.h>

// One window message on its way through a control's WndProc; handlers set Result.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};
