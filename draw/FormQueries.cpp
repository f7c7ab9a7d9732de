#include "FormQueries.h"

#include "Application.h"
#include "Screen.h"
#include "WindowFrame.h"

namespace {
// Answered by a skinned window: 1 when it is shown active, 2 when inactive.
constexpr UINT VEXA_MSG_ISACTIVE = 0x2AAB;
}  // namespace

void SetBoundsFromRect(TControl& Control, const TRect& R) {
  Control.SetLeft(R.Left);
  Control.SetTop(R.Top);
  Control.SetWidth(R.Right - R.Left);
  Control.SetHeight(R.Bottom - R.Top);
}

TCustomForm* FindFormByHandle(HWND Wnd) {
  if (!Screen) return nullptr;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && form->Handle() == Wnd) return form;
  }
  return nullptr;
}

bool IsFormActive(TCustomForm& Form) {
  if (!Form.Visible()) return false;
  if (Form.HandleAllocated()) {
    const LRESULT answer = SendMessageW(Form.Handle(), VEXA_MSG_ISACTIVE, 0, 0);
    if (answer > 0) return answer == 1;
  }
  if (!Application || !Application->MainForm()) return Form.Active();
  if (!Application->Active()) return false;
  return &Form == Application->MainForm() || Form.Active();
}

void DrawControlFrame(TWinControl& Control, TColor OuterColor, TColor InnerColor, bool DrawInner) {
  DrawWindowFrame(Control.Handle(), OuterColor, InnerColor, DrawInner);
}
