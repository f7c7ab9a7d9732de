#pragma once
#include <vector>

#include "TRect.h"

// Where the buttons of a tool bar go. Buttons run left to right from Indent, all ButtonHeight
// tall; a row ends after a button marked Wrap and, when Wrapable, before a button that would pass
// AvailableWidth (unless it is the first of its row). Positions are relative to the button area.
struct TToolBarLayoutItem {
  int Width = 0;
  bool Wrap = false;
};

struct TToolBarLayout {
  std::vector<TPoint> Positions;  // one per item, in order
  int Rows = 0;
  int Width = 0;   // the right end of the widest row
  int Height = 0;  // Rows * ButtonHeight
};

TToolBarLayout LayoutToolButtons(const std::vector<TToolBarLayoutItem>& Items, int Indent, int AvailableWidth,
                                 int ButtonHeight, bool Wrapable);
