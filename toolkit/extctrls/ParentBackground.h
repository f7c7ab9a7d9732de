#pragma once
#include <windows.h>

class TControl;

// Paints, into DC (which draws in Control's client coordinates), what Control's parent shows under
// Control: the parent paints itself and its graphic controls through WM_PRINTCLIENT. A parent
// without a window gives a fill of its colour. Used by controls that let their parent show through.
void PaintParentBackground(const TControl& Control, HDC DC);
