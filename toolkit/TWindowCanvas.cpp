#include "TWindowCanvas.h"

TWindowCanvas::TWindowCanvas(HWND window, TWindowArea area) : FDC(window, area) { SetHandle(FDC.Get()); }
