#pragma once
#include <vector>

#include "CustomControl.h"
#include "ExtCtrlsTypes.h"
#include "FormTypes.h"
#include "GridTypes.h"
#include "NotifyEvent.h"

// A table of cells painted by the toolkit: FixedRows rows at the top and FixedCols columns at the
// left stay in place (in FixedColor); the other cells scroll under them with the window's own
// scroll bars, which show when the cells do not fit. The current cell (Col, Row) is never fixed;
// a click on a cell and the arrow, page, Home and End keys move it (OnSelectCell may refuse), and
// the grid scrolls to keep it in view. What a cell shows is up to DrawCell (see TStringGrid) and
// OnDrawCell, called after the cell's background is filled.
//
// Geometry: each column is ColWidths(i) wide, each row RowHeights(i) tall, with a line
// GridLineWidth wide to the right of and below every cell.
class TCustomGrid : public TCustomControl {
  VEXA_CLASS(TCustomGrid, TCustomControl)

public:
  explicit TCustomGrid(TComponent* AOwner);

  int ColCount() const { return static_cast<int>(FColWidths.size()); }
  void SetColCount(int Value);  // at least 1; fewer fixed columns when needed
  int RowCount() const { return static_cast<int>(FRowHeights.size()); }
  void SetRowCount(int Value);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int Value);  // EInvalidGridOperation unless below ColCount
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  // Setting a default size gives every column (row) that size.
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int Value);
  int ColWidths(int Index) const;  // EInvalidGridOperation out of range
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The current cell. Setting it asks SelectCell and scrolls it into view.
  int Col() const { return FCol; }
  void SetCol(int Value);
  int Row() const { return FRow; }
  void SetRow(int Value);
  // The first scrollable row (column) shown under the fixed ones.
  int TopRow() const { return FTopRow; }
  void SetTopRow(int Value);
  int LeftCol() const { return FLeftCol; }
  void SetLeftCol(int Value);
  // The scrollable rows (columns) wholly visible from TopRow (LeftCol); at least 1 when there are any.
  int VisibleRowCount() const;
  int VisibleColCount() const;
  // The highest TopRow (LeftCol): the one that shows the last row (column) at the bottom (right).
  int MaxTopRow() const;
  int MaxLeftCol() const;

  // Where a cell is in client coordinates; empty when it is scrolled out of sight.
  TRect CellRect(int ACol, int ARow) const;
  // The cell at a client point, or (-1, -1).
  TGridCoord MouseCoord(int X, int Y) const;

  const TSelectCellEvent& OnSelectCell() const { return FOnSelectCell; }
  void SetOnSelectCell(TSelectCellEvent Value) { FOnSelectCell = std::move(Value); }
  const TDrawCellEvent& OnDrawCell() const { return FOnDrawCell; }
  void SetOnDrawCell(TDrawCellEvent Value) { FOnDrawCell = std::move(Value); }
  const TNotifyEvent& OnTopLeftChanged() const { return FOnTopLeftChanged; }
  void SetOnTopLeftChanged(TNotifyEvent Value) { FOnTopLeftChanged = std::move(Value); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void AlignControls(TRect& Rect) override;
  void Paint() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  // Draws what the cell shows on Canvas, its background already filled; runs OnDrawCell.
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Whether a cell in that state is painted in the highlight colours: the current cell (or row),
  // except the focused cell of a focused grid unless goDrawFocusSelected or goRowSelect.
  bool IsHighlighted(TGridDrawState AState) const;
  // Whether the current cell may move to (ACol, ARow); asks OnSelectCell.
  virtual bool SelectCell(int ACol, int ARow);
  // The counts changed: descendants resize their data.
  virtual void SizeChanged(int OldColCount, int OldRowCount) {
    (void)OldColCount;
    (void)OldRowCount;
  }

private:
  void MoveCurrent(int ACol, int ARow);
  void ScrollIntoView();
  void SetTopLeft(int ATopRow, int ALeftCol);
  void UpdateScrollBars();
  void HandleScroll(bool Vertical, WPARAM Request);
  void InvalidateCell(int ACol, int ARow);
  void GeometryChanged();
  int FixedWidth() const;
  int FixedHeight() const;
  // The x (y) of a column (row) in client coordinates, or INT_MIN when scrolled out of sight.
  int ColumnX(int ACol) const;
  int RowY(int ARow) const;
  // How many of Sizes[First...] fit wholly into Room (lines included), at least 1 when any exist.
  int CountFitting(const std::vector<int>& Sizes, int First, int Room) const;
  // The smallest index from Lowest such that Sizes[index..Last] all fit into Room; Last at most.
  int FirstToShow(const std::vector<int>& Sizes, int Lowest, int Last, int Room) const;
  void CheckCell(int ACol, int ARow) const;

  std::vector<int> FColWidths;
  std::vector<int> FRowHeights;
  int FFixedCols = 1;
  int FFixedRows = 1;
  TColor FFixedColor = clBtnFace;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  int FGridLineWidth = 1;
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine};
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  int FCol = 1;
  int FRow = 1;
  int FTopRow = 1;
  int FLeftCol = 1;
  bool FUpdatingBars = false;
  TSelectCellEvent FOnSelectCell;
  TDrawCellEvent FOnDrawCell;
  TNotifyEvent FOnTopLeftChanged;
};
