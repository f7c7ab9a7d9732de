#pragma once
#include "Menu.h"
#include "MenuBarSource.h"

// A window's menu bar. A form shows it through TMenuBarSource (the form calls SetMenu itself and
// sends the bar's WM_COMMANDs to DispatchCommand); code without a form can use SetWindowHandle.
//
// The bar belongs to this object, not to a window: every change of an item redraws each window
// of this thread that shows the bar, and the destructor takes the bar off every such window, so
// the system never destroys it. A window that shows the bar must take it off (SetMenu(window,
// nullptr)) before it is destroyed, at the latest in WM_DESTROY: the system destroys a
// destroyed window's menu.
class TMainMenu : public TMenu, public TMenuBarSource {
  VEXA_CLASS(TMainMenu, TMenu)

public:
  explicit TMainMenu(TComponent* AOwner);
  ~TMainMenu() override;

  using TMenu::Handle;
  HMENU Handle() override { return TMenu::Handle(); }
  // Clicks the item of this menu that holds CommandId; false for other ids.
  bool DispatchCommand(UINT CommandId) override;

  // Shows the bar on Value (null: on none) and takes it off the window that had it from here.
  void SetWindowHandle(HWND Value) override;

protected:
  // Redraws the windows showing the bar, then OnChange.
  void MenuChanged(TMenuItem* Source, bool Rebuild) override;
};
