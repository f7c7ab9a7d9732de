#pragma once
#include <functional>
#include <stdexcept>

#include "Set.h"
#include "TRect.h"
#include "TypeInfo.h"

class TObject;

// What a grid draws and allows: lines between fixed and between other cells, the current cell
// painted selected even while focused, whole-row selection, Tab moving between cells, and
// scrolling while the scroll box is dragged.
VEXA_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goDrawFocusSelected, goRowSelect,
          goTabs, goThumbTracking)
VEXA_SET(TGridOptions, TGridOption)

// What a cell is when it is drawn.
enum TGridDrawItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawItem>;

// A cell: X is the column, Y the row; -1 for none.
struct TGridCoord {
  int X = -1;
  int Y = -1;
  bool operator==(const TGridCoord&) const = default;
};

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;

// A grid asked for something its size does not allow (a cell outside it, as many fixed rows as
// rows).
class EInvalidGridOperation : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
