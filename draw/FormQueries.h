#pragma once
#include <windows.h>

#include "Control.h"
#include "CustomForm.h"
#include "TRect.h"

// Moves and sizes the control to R: Left, Top, Width, Height, one at a time in that order.
void SetBoundsFromRect(TControl& Control, const TRect& R);

// The first of the application's forms (in the screen's list order) whose window is Wnd.
TCustomForm* FindFormByHandle(HWND Wnd);

// Whether the form shows as active. A skinned window is asked first (it knows best, since it
// draws its own title bar); otherwise the form's and the application's active flags decide.
bool IsFormActive(TCustomForm& Form);

// The frame of a control's window, as DrawWindowFrame draws it.
void DrawControlFrame(TWinControl& Control, TColor OuterColor, TColor InnerColor, bool DrawInner);
