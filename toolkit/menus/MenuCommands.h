#pragma once
#include <windows.h>

class TMenuItem;

// Every menu item holds a command id unique in the process, so the id a WM_COMMAND (or a popup's
// return value) carries leads back to the item. Ids stay below 0xF000, where system commands
// start, and above 0xFF, where dialog button ids (IDOK, IDCANCEL...) live, and fit the 16 bits a
// WM_COMMAND carries.
inline constexpr UINT kFirstMenuCommand = 0x0100;
inline constexpr UINT kLastMenuCommand = 0xEFFF;

// The item that holds Command, or null.
TMenuItem* FindMenuItemByCommand(UINT Command);
// Clicks the item that holds Command. False when no item holds it (the message is someone else's).
// Exceptions of the item's handlers reach the caller.
bool DispatchMenuCommand(UINT Command);

// Used by TMenuItem for its lifetime: EMenuError when every id is taken.
UINT AllocateMenuCommand(TMenuItem* Item);
void ReleaseMenuCommand(UINT Command);
