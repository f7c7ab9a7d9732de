#pragma once
#include <windows.h>

#include "WinControl.h"

// Sends a message that only reads a control's window state (a selection, a position), so const
// getters can ask the window. It goes through the window like Perform: a procedure installed over
// the toolkit's sees it too. Call only while the control has a window.
inline LRESULT QueryWindow(const TWinControl& Control, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) {
  return const_cast<TWinControl&>(Control).Perform(Msg, WParam, LParam);
}
