#pragma once
#include <windows.h>

#include "TColor.h"

// A one-pixel outline in OuterColor around the whole window (non-client area included) and, with
// DrawInner, a second one just inside it in InnerColor. System colours are resolved first.
// A window that no longer exists is left alone.
void DrawWindowFrame(HWND Window, TColor OuterColor, TColor InnerColor, bool DrawInner);
