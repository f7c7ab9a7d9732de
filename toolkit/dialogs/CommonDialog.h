#pragma once
#include <windows.h>

#include "Component.h"

// A system dialog shown modally by Execute.
class TCommonDialog : public TComponent {
  VEXA_CLASS(TCommonDialog, TComponent)

public:
  explicit TCommonDialog(TComponent* AOwner);

  // Shows the dialog owned by Owner, or by the active window when Owner is null, and returns
  // when it closes: true when the user accepted. A cancelled dialog changes nothing.
  bool Execute(HWND Owner = nullptr);

  // Owner, or the thread's active window when Owner is null.
  static HWND OwnerWindow(HWND Owner);

protected:
  virtual bool DoExecute(HWND Owner) = 0;
};
