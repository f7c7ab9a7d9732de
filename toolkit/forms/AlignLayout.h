#pragma once
#include "TRect.h"

class TWinControl;

// Places a parent's children in its client area: first the aligned ones (top, bottom, left,
// right, in that order, each taking a strip off what is left; then the client-aligned ones fill
// the rest), then the freely placed ones keep their distances to the edges their Anchors name.
// Among controls of one alignment the one nearest its edge goes first; hidden ones take no room.
class TAlignLayout {
public:
  static void Arrange(TWinControl& Parent, TRect& Rect);
};
