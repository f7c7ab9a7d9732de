#include "SelectDirectory.h"

#include <shlobj.h>

#include <memory>

#include "ComScope.h"
#include "CommonDialog.h"
#include "TextEncoding.h"

namespace {

struct TItemIdListFree {
  void operator()(ITEMIDLIST* List) const { CoTaskMemFree(List); }
};
using TItemIdList = std::unique_ptr<ITEMIDLIST, TItemIdListFree>;

// Selects the starting folder once the browser is up. Runs inside the shell's dialog: it must not
// throw, and does nothing that could.
int CALLBACK BrowseCallback(HWND Browser, UINT Message, LPARAM, LPARAM Data) noexcept {
  const auto* start = reinterpret_cast<const std::wstring*>(Data);
  if (Message == BFFM_INITIALIZED && start && !start->empty())
    SendMessageW(Browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start->c_str()));
  return 0;
}

}  // namespace

bool SelectDirectory(const std::string& Caption, const std::string& Root, std::string& Directory, HWND Owner) {
  TComScope com;
  TItemIdList root;
  if (!Root.empty()) {
    PIDLIST_ABSOLUTE parsed = nullptr;
    if (SUCCEEDED(SHParseDisplayName(Utf8ToWide(Root).c_str(), nullptr, &parsed, 0, nullptr))) root.reset(parsed);
  }
  const std::wstring caption = Utf8ToWide(Caption);
  const std::wstring start = Utf8ToWide(Directory);
  wchar_t displayName[MAX_PATH] = {};

  BROWSEINFOW info{};
  info.hwndOwner = TCommonDialog::OwnerWindow(Owner);
  info.pidlRoot = root.get();
  info.pszDisplayName = displayName;
  info.lpszTitle = caption.empty() ? nullptr : caption.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = &BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(&start);

  TItemIdList chosen(SHBrowseForFolderW(&info));
  if (!chosen) return false;
  wchar_t path[MAX_PATH] = {};
  if (!SHGetPathFromIDListW(chosen.get(), path) || !path[0]) return false;
  Directory = WideToUtf8(path);
  return true;
}
