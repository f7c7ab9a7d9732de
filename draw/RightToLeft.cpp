#include "RightToLeft.h"

#include <windows.h>

namespace {
int gMiddleEastOverride = -1;

bool MiddleEastEnabled() {
  if (gMiddleEastOverride >= 0) return gMiddleEastOverride != 0;
  return GetSystemMetrics(SM_MIDEASTENABLED) != 0;
}
}  // namespace

void SetMiddleEastSupportForTest(int Enabled) { gMiddleEastOverride = Enabled; }

bool SkinUseRightToLeftAlignment(const TControl& Control) {
  return MiddleEastEnabled() && Control.BiDiMode() == bdRightToLeft;
}

bool SkinUseRightToLeftReading(const TControl& Control) {
  return MiddleEastEnabled() && Control.BiDiMode() != bdLeftToRight;
}

unsigned SkinRTLReadingFlag(const TControl& Control) { return SkinUseRightToLeftReading(Control) ? DT_RTLREADING : 0; }

unsigned SkinDrawTextBiDiModeFlags(const TControl& Control, unsigned Flags) {
  if (SkinUseRightToLeftAlignment(Control)) {
    if (Flags & DT_RIGHT)
      Flags &= ~unsigned(DT_RIGHT);
    else if (!(Flags & DT_CENTER))
      Flags |= DT_RIGHT;
  }
  return Flags | SkinRTLReadingFlag(Control);
}
