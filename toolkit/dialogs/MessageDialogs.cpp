#include "MessageDialogs.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "CommonDialog.h"
#include "TextEncoding.h"

namespace {

std::string& TitleStore() {
  static std::string title;
  return title;
}

std::string ProgramName() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path);
  const size_t slash = name.find_last_of(L"\\/");
  if (slash != std::wstring::npos) name.erase(0, slash + 1);
  const size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos && dot > 0) name.erase(dot);
  return WideToUtf8(name);
}

UINT ButtonFlags(TMsgDlgButtons Buttons) {
  const std::array<std::pair<TMsgDlgButtons, UINT>, 6> kSets{{
      {{mbOK}, MB_OK},
      {{mbOK, mbCancel}, MB_OKCANCEL},
      {{mbYes, mbNo}, MB_YESNO},
      {{mbYes, mbNo, mbCancel}, MB_YESNOCANCEL},
      {{mbRetry, mbCancel}, MB_RETRYCANCEL},
      {{mbAbort, mbRetry, mbIgnore}, MB_ABORTRETRYIGNORE},
  }};
  if (Buttons.Empty()) return MB_OK;
  for (const auto& [set, flags] : kSets)
    if (set == Buttons) return flags;
  throw std::invalid_argument("MessageDlg: the system's message box has no such set of buttons");
}

}  // namespace

int ShowMessageBox(const std::string& Text, const std::string& Caption, UINT Flags, HWND Owner) {
  return MessageBoxW(TCommonDialog::OwnerWindow(Owner), Utf8ToWide(Text).c_str(), Utf8ToWide(Caption).c_str(), Flags);
}

std::string MessageBoxTitle() {
  const std::string& title = TitleStore();
  return title.empty() ? ProgramName() : title;
}

void SetMessageBoxTitle(const std::string& Title) { TitleStore() = Title; }

void ShowMessage(const std::string& Text) { ShowMessageBox(Text, MessageBoxTitle(), MB_OK); }

int MessageDlg(const std::string& Text, TMsgDlgType Type, TMsgDlgButtons Buttons, HWND Owner) {
  const UINT buttons = ButtonFlags(Buttons);
  struct TLook {
    const char* Caption;
    UINT Icon;
  };
  static constexpr TLook kLooks[] = {
      {"Warning", MB_ICONWARNING},         {"Error", MB_ICONERROR}, {"Information", MB_ICONINFORMATION},
      {"Confirm", MB_ICONQUESTION}, {nullptr, 0},
  };
  const TLook& look = kLooks[Type];
  return ShowMessageBox(Text, look.Caption ? look.Caption : MessageBoxTitle(), buttons | look.Icon, Owner);
}
