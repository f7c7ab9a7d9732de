#include "MenuProbe.h"

#include "MenuItem.h"

NativeEntry ReadEntry(HMENU Menu, int Position) {
  NativeEntry entry;
  wchar_t text[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP | MIIM_DATA;
  info.dwTypeData = text;
  info.cch = 255;
  if (!GetMenuItemInfoW(Menu, static_cast<UINT>(Position), TRUE, &info)) return entry;
  entry.Exists = true;
  entry.Text = (info.fType & MFT_SEPARATOR) ? L"-" : text;
  entry.Type = info.fType;
  entry.State = info.fState;
  entry.Id = info.wID;
  entry.SubMenu = info.hSubMenu;
  entry.Bitmap = info.hbmpItem;
  entry.Data = info.dwItemData;
  return entry;
}

std::wstring EntryTexts(HMENU Menu) {
  std::wstring result;
  const int count = GetMenuItemCount(Menu);
  for (int i = 0; i < count; ++i) {
    if (i) result += L"|";
    result += ReadEntry(Menu, i).Text;
  }
  return result;
}

HWND FindOpenMenuWindow() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (lstrcmpW(name, L"#32768") == 0 && IsWindowVisible(window)) {
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(Caption);
  Parent->Add(item);
  return item;
}
