#pragma once
#include <windows.h>

// What a form needs from the main menu assigned to its Menu: the platform menu to show as the
// window's menu bar, and the handling of the commands chosen from it. The menu classes implement
// it; a menu that is also a component is watched by the form and dropped when it is freed. After
// the menu's items change, the menu calls the form's MenuChanged so the bar is rebuilt.
class TMenuBarSource {
public:
  virtual ~TMenuBarSource() = default;
  virtual HMENU Handle() = 0;
  // A WM_COMMAND from the menu bar: true when the menu knew the command.
  virtual bool DispatchCommand(UINT CommandId) {
    (void)CommandId;
    return false;
  }
};
