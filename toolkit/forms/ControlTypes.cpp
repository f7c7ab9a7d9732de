#include "ControlTypes.h"

namespace {
bool KeyDown(int Key) { return GetKeyState(Key) < 0; }
}  // namespace

TShiftState KeyboardShiftState() {
  TShiftState shift;
  if (KeyDown(VK_SHIFT)) shift.Include(ssShift);
  if (KeyDown(VK_CONTROL)) shift.Include(ssCtrl);
  if (KeyDown(VK_MENU)) shift.Include(ssAlt);
  return shift;
}

TShiftState MouseShiftState(WPARAM Flags) {
  TShiftState shift;
  if (Flags & MK_SHIFT) shift.Include(ssShift);
  if (Flags & MK_CONTROL) shift.Include(ssCtrl);
  if (KeyDown(VK_MENU)) shift.Include(ssAlt);
  if (Flags & MK_LBUTTON) shift.Include(ssLeft);
  if (Flags & MK_RBUTTON) shift.Include(ssRight);
  if (Flags & MK_MBUTTON) shift.Include(ssMiddle);
  return shift;
}
