#pragma once
#include <map>
#include <string>
#include <utility>

#include "CustomGrid.h"

// A grid whose cells hold text (UTF-8), drawn two pixels in from the cell's left edge and
// centred vertically, in the highlight text colour when the cell is highlighted. Cells outside
// the present counts raise EInvalidGridOperation; shrinking the grid drops the text of the cells
// that go.
class TStringGrid : public TCustomGrid {
  VEXA_CLASS(TStringGrid, TCustomGrid)

public:
  explicit TStringGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

  std::string Cells(int ACol, int ARow) const;
  void SetCells(int ACol, int ARow, const std::string& Value);

protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void SizeChanged(int OldColCount, int OldRowCount) override;

private:
  void CheckIndex(int ACol, int ARow) const;
  std::map<std::pair<int, int>, std::string> FCells;
};
