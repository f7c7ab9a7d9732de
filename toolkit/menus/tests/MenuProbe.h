#pragma once
#include <windows.h>

#include <string>

class TMenuItem;

// What the system's menu says about the entry at Position of Menu.
struct NativeEntry {
  bool Exists = false;
  std::wstring Text;
  UINT Type = 0;
  UINT State = 0;
  UINT Id = 0;
  HMENU SubMenu = nullptr;
  HBITMAP Bitmap = nullptr;
  ULONG_PTR Data = 0;
};
NativeEntry ReadEntry(HMENU Menu, int Position);
// The texts of every entry, "|" between them, "-" for a separator: "&Open|-|&Save".
std::wstring EntryTexts(HMENU Menu);
// The visible popup-menu window ("#32768") of this thread, or null.
HWND FindOpenMenuWindow();

// A new item with that caption, added at the end of Parent (which owns it).
TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption);
