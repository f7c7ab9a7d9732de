#include "ToolBarLayout.h"

#include <algorithm>

TToolBarLayout LayoutToolButtons(const std::vector<TToolBarLayoutItem>& Items, int Indent, int AvailableWidth,
                                 int ButtonHeight, bool Wrapable) {
  TToolBarLayout result;
  if (Items.empty()) return result;
  int x = Indent;
  int row = 0;
  bool rowStarted = false;
  for (const TToolBarLayoutItem& item : Items) {
    if (Wrapable && rowStarted && x + item.Width > AvailableWidth) {
      ++row;
      x = Indent;
    }
    result.Positions.push_back(TPoint{x, row * ButtonHeight});
    x += item.Width;
    rowStarted = true;
    result.Width = std::max(result.Width, x);
    if (item.Wrap) {
      ++row;
      x = Indent;
      rowStarted = false;
    }
  }
  // A Wrap on the last button opens no new row.
  result.Rows = rowStarted ? row + 1 : row;
  result.Height = result.Rows * ButtonHeight;
  return result;
}
