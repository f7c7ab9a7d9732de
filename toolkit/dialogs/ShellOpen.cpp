#include "ShellOpen.h"

#include <windows.h>
#include <shellapi.h>

#include "ComScope.h"
#include "TextEncoding.h"

bool ShellOpen(const std::string& Target) {
  if (Target.empty()) return false;
  TComScope com;  // some handlers are COM objects
  const std::wstring file = Utf8ToWide(Target);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  // No error box of the shell's own; and wait for the start to finish, since the caller may end
  // (or leave COM) right after.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = GetActiveWindow();
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) != FALSE;
}
