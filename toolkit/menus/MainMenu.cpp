#include "MainMenu.h"

#include <vector>

#include "MenuCommands.h"
#include "MenuItem.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TMainMenu) {}

namespace {

// The top-level windows of this thread whose menu bar is Menu (only top-level windows have one).
std::vector<HWND> WindowsShowing(HMENU Menu) {
  struct TSearch {
    HMENU Menu;
    std::vector<HWND> Found;
  } search{Menu, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND Window, LPARAM Data) -> BOOL {
        auto* s = reinterpret_cast<TSearch*>(Data);
        try {
          if (GetMenu(Window) == s->Menu) s->Found.push_back(Window);
          return TRUE;
        } catch (...) {
          return FALSE;  // out of memory: redraw what was found
        }
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

}  // namespace

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner, true) {}

TMainMenu::~TMainMenu() {
  for (HWND window : WindowsShowing(TMenu::Handle())) {
    SetMenu(window, nullptr);
    DrawMenuBar(window);
  }
}

bool TMainMenu::DispatchCommand(UINT CommandId) {
  TMenuItem* item = FindMenuItemByCommand(CommandId);
  if (!item || item->GetParentMenu() != this) return false;
  item->Click();
  return true;
}

void TMainMenu::SetWindowHandle(HWND Value) {
  const HWND old = WindowHandle();
  if (Value == old) return;
  if (old && IsWindow(old) && GetMenu(old) == TMenu::Handle()) {
    SetMenu(old, nullptr);
    DrawMenuBar(old);
  }
  TMenu::SetWindowHandle(Value);
  if (Value) {
    SetMenu(Value, TMenu::Handle());
    DrawMenuBar(Value);
  }
}

void TMainMenu::MenuChanged(TMenuItem* Source, bool Rebuild) {
  for (HWND window : WindowsShowing(TMenu::Handle())) DrawMenuBar(window);
  TMenu::MenuChanged(Source, Rebuild);
}
