#pragma once
#include <windows.h>

#include <string>

// System functions older systems lack, looked up in "User32.dll" on first use. One failed lookup of
// GetScrollBarInfo, GetComboBoxInfo or GetAncestor turns all three off for the rest of the run.
class TUser32Bindings {
public:
  // The export names are parameters so tests can make a lookup fail.
  explicit TUser32Bindings(const wchar_t* Library = L"User32.dll", const char* ScrollBarInfoName = "GetScrollBarInfo",
                           const char* ComboBoxInfoName = "GetComboBoxInfo", const char* AncestorName = "GetAncestor",
                           const char* WindowTextName = "InternalGetWindowText");
  ~TUser32Bindings();
  TUser32Bindings(const TUser32Bindings&) = delete;
  TUser32Bindings& operator=(const TUser32Bindings&) = delete;

  BOOL GetScrollBarInfo(HWND Wnd, LONG ObjectId, PSCROLLBARINFO Info);
  BOOL GetComboBoxInfo(HWND Wnd, PCOMBOBOXINFO Info);
  HWND GetAncestor(HWND Wnd, UINT Flags);
  std::wstring GetWindowText(HWND Wnd);
  bool BindingFailed() const { return FBindingFailed; }

  // The bindings every skinner shares.
  static TUser32Bindings& Shared();

private:
  FARPROC Bind(FARPROC& slot, const char* name);
  HMODULE Library();

  const wchar_t* FLibraryName;
  const char* FNames[4];
  HMODULE FLibrary = nullptr;
  FARPROC FScrollBarInfo = nullptr, FComboBoxInfo = nullptr, FAncestor = nullptr, FWindowText = nullptr;
  bool FBindingFailed = false;
};

BOOL SkinGetScrollBarInfo(HWND Wnd, LONG ObjectId, PSCROLLBARINFO Info);
BOOL SkinGetComboBoxInfo(HWND Wnd, PCOMBOBOXINFO Info);
HWND SkinGetAncestor(HWND Wnd, UINT Flags);
// The window's text even for windows of other threads that do not answer; empty off the NT family.
std::wstring SkinGetWindowText(HWND Wnd);
