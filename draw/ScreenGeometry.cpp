#include "ScreenGeometry.h"

#include <windows.h>

void GetWorkAreaRect(TRect& Rect) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  Rect = TRect::FromRECT(area);
  Rect.Bottom -= 1;
}
