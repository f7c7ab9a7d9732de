#pragma once
#include <windows.h>

#include <string>

#include "WinControl.h"

// The base of a control that is a native window class of the platform ("BUTTON", "EDIT",
// "SysTabControl32"...): the window is made of that class, and the class's own window procedure
// handles every message the toolkit does not. What the native control tells its parent comes back
// to the control as reflected messages (CN_COMMAND, CN_NOTIFY, CN_HSCROLL...), and WM_CTLCOLOR*
// is answered from its Color and Font. A descendant names the class and its styles:
//
//   class TButton : public TNativeControl {
//     VEXA_CLASS(TButton, TNativeControl)
//   public:
//     explicit TButton(TComponent* AOwner) : TNativeControl(AOwner, L"BUTTON") { SetTabStop(true); }
//   protected:
//     void CreateParams(TCreateParams& Params) const override {
//       inherited::CreateParams(Params);
//       Params.Style |= BS_PUSHBUTTON;
//     }
//     void WndProc(TMessage& M) override {
//       if (M.Msg == CN_COMMAND && HIWORD(M.WParam) == BN_CLICKED) return Click();
//       inherited::WndProc(M);
//     }
//   };
//
// The native control handles its own mouse, so the toolkit neither captures the mouse nor makes
// clicks of button presses for it.
class TNativeControl : public TWinControl {
  VEXA_CLASS(TNativeControl, TWinControl)

public:
  // CommonControls: the ICC_ classes the native class needs registered (0 for user32's classes).
  TNativeControl(TComponent* AOwner, std::wstring NativeClass, DWORD CommonControls = 0);

  const std::wstring& NativeClass() const { return FNativeClass; }

protected:
  void CreateParams(TCreateParams& Params) const override;

private:
  std::wstring FNativeClass;
  DWORD FCommonControls;
};
