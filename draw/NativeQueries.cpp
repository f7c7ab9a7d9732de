#include "NativeQueries.h"

#include <algorithm>

#include "OsVersion.h"

TUser32Bindings::TUser32Bindings(const wchar_t* Library, const char* ScrollBarInfoName, const char* ComboBoxInfoName,
                                 const char* AncestorName, const char* WindowTextName)
    : FLibraryName(Library), FNames{ScrollBarInfoName, ComboBoxInfoName, AncestorName, WindowTextName} {}

TUser32Bindings::~TUser32Bindings() {
  if (FLibrary) FreeLibrary(FLibrary);
}

TUser32Bindings& TUser32Bindings::Shared() {
  static TUser32Bindings bindings;
  return bindings;
}

HMODULE TUser32Bindings::Library() {
  if (!FLibrary) FLibrary = LoadLibraryW(FLibraryName);
  return FLibrary;
}

FARPROC TUser32Bindings::Bind(FARPROC& slot, const char* name) {
  if (FBindingFailed) return nullptr;
  if (!slot) {
    HMODULE library = Library();
    slot = library ? GetProcAddress(library, name) : nullptr;
    if (!slot) FBindingFailed = true;
  }
  return slot;
}

BOOL TUser32Bindings::GetScrollBarInfo(HWND Wnd, LONG ObjectId, PSCROLLBARINFO Info) {
  auto fn = reinterpret_cast<BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO)>(Bind(FScrollBarInfo, FNames[0]));
  return fn ? fn(Wnd, ObjectId, Info) : FALSE;
}

BOOL TUser32Bindings::GetComboBoxInfo(HWND Wnd, PCOMBOBOXINFO Info) {
  auto fn = reinterpret_cast<BOOL(WINAPI*)(HWND, PCOMBOBOXINFO)>(Bind(FComboBoxInfo, FNames[1]));
  return fn ? fn(Wnd, Info) : FALSE;
}

HWND TUser32Bindings::GetAncestor(HWND Wnd, UINT Flags) {
  auto fn = reinterpret_cast<HWND(WINAPI*)(HWND, UINT)>(Bind(FAncestor, FNames[2]));
  return fn ? fn(Wnd, Flags) : nullptr;
}

std::wstring TUser32Bindings::GetWindowText(HWND Wnd) {
  if (!IsWinNT()) return {};
  // Not part of the shared failure: a missing export is simply looked up again next time.
  if (!FWindowText) {
    HMODULE library = Library();
    FWindowText = library ? GetProcAddress(library, FNames[3]) : nullptr;
    if (!FWindowText) return {};
  }
  auto fn = reinterpret_cast<int(WINAPI*)(HWND, LPWSTR, int)>(FWindowText);
  const int length = GetWindowTextLengthW(Wnd);
  std::wstring text(size_t(std::max(length, 0)), L'\0');
  const int got = fn(Wnd, text.data(), length + 1);
  text.resize(size_t(std::clamp(got, 0, length)));
  return text;
}

BOOL SkinGetScrollBarInfo(HWND Wnd, LONG ObjectId, PSCROLLBARINFO Info) {
  return TUser32Bindings::Shared().GetScrollBarInfo(Wnd, ObjectId, Info);
}
BOOL SkinGetComboBoxInfo(HWND Wnd, PCOMBOBOXINFO Info) { return TUser32Bindings::Shared().GetComboBoxInfo(Wnd, Info); }
HWND SkinGetAncestor(HWND Wnd, UINT Flags) { return TUser32Bindings::Shared().GetAncestor(Wnd, Flags); }
std::wstring SkinGetWindowText(HWND Wnd) { return TUser32Bindings::Shared().GetWindowText(Wnd); }
