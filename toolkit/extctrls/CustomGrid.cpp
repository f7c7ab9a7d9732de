#include "CustomGrid.h"

#include <algorithm>
#include <climits>
#include <string>
#include <windowsx.h>

#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomGrid) {}

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  FColWidths.assign(5, FDefaultColWidth);
  FRowHeights.assign(5, FDefaultRowHeight);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 320, 120);
}

// --- size and counts ---------------------------------------------------------------------------

void TCustomGrid::SetColCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == ColCount()) return;
  const int oldCols = ColCount();
  FColWidths.resize(static_cast<size_t>(Value), FDefaultColWidth);
  FFixedCols = std::min(FFixedCols, Value - 1);
  FCol = std::clamp(FCol, FFixedCols, Value - 1);
  SizeChanged(oldCols, RowCount());
  GeometryChanged();
}

void TCustomGrid::SetRowCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == RowCount()) return;
  const int oldRows = RowCount();
  FRowHeights.resize(static_cast<size_t>(Value), FDefaultRowHeight);
  FFixedRows = std::min(FFixedRows, Value - 1);
  FRow = std::clamp(FRow, FFixedRows, Value - 1);
  SizeChanged(ColCount(), oldRows);
  GeometryChanged();
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value < 0 || Value >= ColCount())
    throw EInvalidGridOperation("Fixed column count " + std::to_string(Value) + " must be below the column count " +
                                std::to_string(ColCount()));
  if (Value == FFixedCols) return;
  FFixedCols = Value;
  FCol = std::max(FCol, Value);
  FLeftCol = std::max(FLeftCol, Value);
  GeometryChanged();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value < 0 || Value >= RowCount())
    throw EInvalidGridOperation("Fixed row count " + std::to_string(Value) + " must be below the row count " +
                                std::to_string(RowCount()));
  if (Value == FFixedRows) return;
  FFixedRows = Value;
  FRow = std::max(FRow, Value);
  FTopRow = std::max(FTopRow, Value);
  GeometryChanged();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (Value == FFixedColor) return;
  FFixedColor = Value;
  Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  Value = std::max(Value, 0);
  FDefaultColWidth = Value;
  std::fill(FColWidths.begin(), FColWidths.end(), Value);
  GeometryChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  Value = std::max(Value, 0);
  FDefaultRowHeight = Value;
  std::fill(FRowHeights.begin(), FRowHeights.end(), Value);
  GeometryChanged();
}

int TCustomGrid::ColWidths(int Index) const {
  if (Index < 0 || Index >= ColCount()) throw EInvalidGridOperation("Grid column " + std::to_string(Index) + " out of range");
  return FColWidths[static_cast<size_t>(Index)];
}

void TCustomGrid::SetColWidths(int Index, int Value) {
  ColWidths(Index);
  FColWidths[static_cast<size_t>(Index)] = std::max(Value, 0);
  GeometryChanged();
}

int TCustomGrid::RowHeights(int Index) const {
  if (Index < 0 || Index >= RowCount()) throw EInvalidGridOperation("Grid row " + std::to_string(Index) + " out of range");
  return FRowHeights[static_cast<size_t>(Index)];
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  RowHeights(Index);
  FRowHeights[static_cast<size_t>(Index)] = std::max(Value, 0);
  GeometryChanged();
}

void TCustomGrid::SetGridLineWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FGridLineWidth) return;
  FGridLineWidth = Value;
  GeometryChanged();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (Value == FOptions) return;
  FOptions = Value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  GeometryChanged();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomGrid::GeometryChanged() {
  SetTopLeft(FTopRow, FLeftCol);
  UpdateScrollBars();
  Invalidate();
}

// --- geometry ----------------------------------------------------------------------------------

int TCustomGrid::FixedWidth() const {
  int width = 0;
  for (int i = 0; i < FFixedCols; ++i) width += FColWidths[static_cast<size_t>(i)] + FGridLineWidth;
  return width;
}

int TCustomGrid::FixedHeight() const {
  int height = 0;
  for (int i = 0; i < FFixedRows; ++i) height += FRowHeights[static_cast<size_t>(i)] + FGridLineWidth;
  return height;
}

int TCustomGrid::ColumnX(int ACol) const {
  if (ACol < 0 || ACol >= ColCount()) return INT_MIN;
  int x = 0;
  if (ACol < FFixedCols) {
    for (int i = 0; i < ACol; ++i) x += FColWidths[static_cast<size_t>(i)] + FGridLineWidth;
    return x;
  }
  if (ACol < FLeftCol) return INT_MIN;
  x = FixedWidth();
  for (int i = FLeftCol; i < ACol; ++i) x += FColWidths[static_cast<size_t>(i)] + FGridLineWidth;
  return x;
}

int TCustomGrid::RowY(int ARow) const {
  if (ARow < 0 || ARow >= RowCount()) return INT_MIN;
  int y = 0;
  if (ARow < FFixedRows) {
    for (int i = 0; i < ARow; ++i) y += FRowHeights[static_cast<size_t>(i)] + FGridLineWidth;
    return y;
  }
  if (ARow < FTopRow) return INT_MIN;
  y = FixedHeight();
  for (int i = FTopRow; i < ARow; ++i) y += FRowHeights[static_cast<size_t>(i)] + FGridLineWidth;
  return y;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  const int x = ColumnX(ACol);
  const int y = RowY(ARow);
  const TRect client = ClientRect();
  if (x == INT_MIN || y == INT_MIN || x >= client.Right || y >= client.Bottom) return TRect{};
  return TRect{x, y, x + FColWidths[static_cast<size_t>(ACol)], y + FRowHeights[static_cast<size_t>(ARow)]};
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  auto find = [this](int Pos, const std::vector<int>& Sizes, int Fixed, int First) {
    if (Pos < 0) return -1;
    int at = 0;
    for (int i = 0; i < Fixed; ++i) {
      at += Sizes[static_cast<size_t>(i)] + FGridLineWidth;
      if (Pos < at) return i;
    }
    for (int i = First; i < static_cast<int>(Sizes.size()); ++i) {
      at += Sizes[static_cast<size_t>(i)] + FGridLineWidth;
      if (Pos < at) return i;
    }
    return -1;
  };
  const TRect client = ClientRect();
  if (X >= client.Right || Y >= client.Bottom) return TGridCoord{};
  TGridCoord cell{find(X, FColWidths, FFixedCols, FLeftCol), find(Y, FRowHeights, FFixedRows, FTopRow)};
  if (cell.X < 0 || cell.Y < 0) return TGridCoord{};
  return cell;
}

int TCustomGrid::CountFitting(const std::vector<int>& Sizes, int First, int Room) const {
  int count = 0;
  int used = 0;
  for (int i = First; i < static_cast<int>(Sizes.size()); ++i) {
    if (used + Sizes[static_cast<size_t>(i)] > Room) break;
    used += Sizes[static_cast<size_t>(i)] + FGridLineWidth;
    ++count;
  }
  return First < static_cast<int>(Sizes.size()) ? std::max(count, 1) : 0;
}

int TCustomGrid::FirstToShow(const std::vector<int>& Sizes, int Lowest, int Last, int Room) const {
  int used = 0;
  int first = Last + 1;
  while (first - 1 >= Lowest && used + Sizes[static_cast<size_t>(first - 1)] <= Room) {
    --first;
    used += Sizes[static_cast<size_t>(first)] + FGridLineWidth;
  }
  return std::min(first, Last);
}

int TCustomGrid::VisibleRowCount() const {
  return CountFitting(FRowHeights, FTopRow, ClientRect().Height() - FixedHeight());
}

int TCustomGrid::VisibleColCount() const {
  return CountFitting(FColWidths, FLeftCol, ClientRect().Width() - FixedWidth());
}

int TCustomGrid::MaxTopRow() const {
  return std::max(FirstToShow(FRowHeights, FFixedRows, RowCount() - 1, ClientRect().Height() - FixedHeight()), FFixedRows);
}

int TCustomGrid::MaxLeftCol() const {
  return std::max(FirstToShow(FColWidths, FFixedCols, ColCount() - 1, ClientRect().Width() - FixedWidth()), FFixedCols);
}

// --- current cell and scrolling ----------------------------------------------------------------

void TCustomGrid::CheckCell(int ACol, int ARow) const {
  if (ACol < FFixedCols || ACol >= ColCount() || ARow < FFixedRows || ARow >= RowCount())
    throw EInvalidGridOperation("Cell (" + std::to_string(ACol) + ", " + std::to_string(ARow) +
                                ") is fixed or outside the grid");
}

void TCustomGrid::SetCol(int Value) {
  CheckCell(Value, FRow);
  MoveCurrent(Value, FRow);
}

void TCustomGrid::SetRow(int Value) {
  CheckCell(FCol, Value);
  MoveCurrent(FCol, Value);
}

void TCustomGrid::SetTopRow(int Value) { SetTopLeft(Value, FLeftCol); }

void TCustomGrid::SetLeftCol(int Value) { SetTopLeft(FTopRow, Value); }

bool TCustomGrid::SelectCell(int ACol, int ARow) {
  bool canSelect = true;
  CallEvent(FOnSelectCell, this, ACol, ARow, canSelect);
  return canSelect;
}

void TCustomGrid::MoveCurrent(int ACol, int ARow) {
  ACol = std::clamp(ACol, FFixedCols, ColCount() - 1);
  ARow = std::clamp(ARow, FFixedRows, RowCount() - 1);
  if (ACol != FCol || ARow != FRow) {
    if (!SelectCell(ACol, ARow)) return;
    InvalidateCell(FCol, FRow);
    FCol = ACol;
    FRow = ARow;
    InvalidateCell(FCol, FRow);
  }
  ScrollIntoView();
}

void TCustomGrid::ScrollIntoView() {
  int top = FTopRow;
  int left = FLeftCol;
  if (FRow < top) top = FRow;
  else if (FRow >= top + VisibleRowCount())
    top = FirstToShow(FRowHeights, FFixedRows, FRow, ClientRect().Height() - FixedHeight());
  if (!FOptions.Contains(goRowSelect)) {
    if (FCol < left) left = FCol;
    else if (FCol >= left + VisibleColCount())
      left = FirstToShow(FColWidths, FFixedCols, FCol, ClientRect().Width() - FixedWidth());
  }
  SetTopLeft(top, left);
}

void TCustomGrid::SetTopLeft(int ATopRow, int ALeftCol) {
  ATopRow = std::clamp(ATopRow, FFixedRows, MaxTopRow());
  ALeftCol = std::clamp(ALeftCol, FFixedCols, MaxLeftCol());
  if (ATopRow == FTopRow && ALeftCol == FLeftCol) return;
  FTopRow = ATopRow;
  FLeftCol = ALeftCol;
  if (HandleAllocated()) {
    const auto style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    if (style & WS_VSCROLL) SetScrollPos(Handle(), SB_VERT, FTopRow, TRUE);
    if (style & WS_HSCROLL) SetScrollPos(Handle(), SB_HORZ, FLeftCol, TRUE);
  }
  Invalidate();
  CallEvent(FOnTopLeftChanged, this);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
  if (!HandleAllocated()) return;
  if (FOptions.Contains(goRowSelect)) {
    const int y = RowY(ARow);
    if (y == INT_MIN) return;
    RECT r{0, y, ClientRect().Right, y + RowHeights(ARow) + FGridLineWidth};
    InvalidateRect(Handle(), &r, FALSE);
    return;
  }
  const TRect cell = CellRect(ACol, ARow);
  if (cell.IsEmpty()) return;
  RECT r{cell.Left, cell.Top, cell.Right + FGridLineWidth, cell.Bottom + FGridLineWidth};
  InvalidateRect(Handle(), &r, FALSE);
}

void TCustomGrid::UpdateScrollBars() {
  if (!HandleAllocated() || FUpdatingBars || Destroying()) return;
  FUpdatingBars = true;
  try {
    HWND window = Handle();
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    // Showing one bar narrows the room of the other: repeat until the bars stay as they are.
    for (int pass = 0; pass < 3; ++pass) {
      const auto before = GetWindowLongPtrW(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL);
      ShowScrollBar(window, SB_VERT, vertical && MaxTopRow() > FFixedRows);
      ShowScrollBar(window, SB_HORZ, horizontal && MaxLeftCol() > FFixedCols);
      if ((GetWindowLongPtrW(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) == before) break;
    }
    FUpdatingBars = false;
    SetTopLeft(FTopRow, FLeftCol);
    FUpdatingBars = true;
    const auto style = GetWindowLongPtrW(window, GWL_STYLE);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (style & WS_VSCROLL) {
      info.nMin = FFixedRows;
      info.nMax = RowCount() - 1;
      info.nPage = static_cast<UINT>(RowCount() - MaxTopRow());
      info.nPos = FTopRow;
      SetScrollInfo(window, SB_VERT, &info, TRUE);
    }
    if (style & WS_HSCROLL) {
      info.nMin = FFixedCols;
      info.nMax = ColCount() - 1;
      info.nPage = static_cast<UINT>(ColCount() - MaxLeftCol());
      info.nPos = FLeftCol;
      SetScrollInfo(window, SB_HORZ, &info, TRUE);
    }
  } catch (...) {
    FUpdatingBars = false;
    throw;
  }
  FUpdatingBars = false;
}

void TCustomGrid::HandleScroll(bool Vertical, WPARAM Request) {
  const WORD code = LOWORD(Request);
  const int current = Vertical ? FTopRow : FLeftCol;
  const int lowest = Vertical ? FFixedRows : FFixedCols;
  const int highest = Vertical ? MaxTopRow() : MaxLeftCol();
  const int page = Vertical ? VisibleRowCount() : VisibleColCount();
  int target = current;
  switch (code) {
    case SB_LINEUP: target = current - 1; break;
    case SB_LINEDOWN: target = current + 1; break;
    case SB_PAGEUP: target = current - page; break;
    case SB_PAGEDOWN: target = current + page; break;
    case SB_TOP: target = lowest; break;
    case SB_BOTTOM: target = highest; break;
    case SB_THUMBTRACK: {
      if (!FOptions.Contains(goThumbTracking)) return;
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      if (!GetScrollInfo(Handle(), Vertical ? SB_VERT : SB_HORZ, &info)) return;
      target = info.nTrackPos;
      break;
    }
    case SB_THUMBPOSITION: target = HIWORD(Request); break;
    default: return;
  }
  if (Vertical) SetTopLeft(target, FLeftCol);
  else SetTopLeft(FTopRow, target);
}

// --- window ------------------------------------------------------------------------------------

void TCustomGrid::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  if (FBorderStyle == TBorderStyle::bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd() {
  inherited::CreateWnd();
  UpdateScrollBars();
}

void TCustomGrid::AlignControls(TRect& Rect) {
  inherited::AlignControls(Rect);
  UpdateScrollBars();
}

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (!Key) return;
  int col = FCol;
  int row = FRow;
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool rowSelect = FOptions.Contains(goRowSelect);
  switch (Key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT:
    case VK_RIGHT:
      if (rowSelect) {
        // A whole row is selected: the columns scroll instead.
        SetLeftCol(FLeftCol + (Key == VK_LEFT ? -1 : 1));
        Key = 0;
        return;
      }
      col += Key == VK_LEFT ? -1 : 1;
      break;
    case VK_PRIOR: row -= VisibleRowCount(); break;
    case VK_NEXT: row += VisibleRowCount(); break;
    case VK_HOME:
      col = FFixedCols;
      if (ctrl) row = FFixedRows;
      break;
    case VK_END:
      col = ColCount() - 1;
      if (ctrl) row = RowCount() - 1;
      break;
    case VK_TAB:
      if (!FOptions.Contains(goTabs)) return;
      if (Shift.Contains(ssShift)) {
        if (--col < FFixedCols) {
          col = ColCount() - 1;
          --row;
        }
      } else if (++col >= ColCount()) {
        col = FFixedCols;
        ++row;
      }
      if (row < FFixedRows || row >= RowCount()) return;  // past the ends: Tab leaves the grid
      break;
    default: return;
  }
  MoveCurrent(col, row);
  Key = 0;
}

void TCustomGrid::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | (FOptions.Contains(goTabs) ? DLGC_WANTTAB : 0);
      return;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (Message.LParam) break;
      HandleScroll(Message.Msg == WM_VSCROLL, Message.WParam);
      Message.Result = 0;
      return;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(Message.WParam) / WHEEL_DELTA;
      SetTopLeft(FTopRow - 3 * notches, FLeftCol);
      Message.Result = 0;
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const TGridCoord cell = MouseCoord(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
      if (cell.X >= FFixedCols && cell.Y >= FFixedRows) MoveCurrent(cell.X, cell.Y);
      break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateCell(FCol, FRow);
      break;
    default:
      break;
  }
  inherited::WndProc(Message);
}

// --- painting ----------------------------------------------------------------------------------

bool TCustomGrid::IsHighlighted(TGridDrawState AState) const {
  if (!AState.Contains(gdSelected)) return false;
  return !AState.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect);
}

void TCustomGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  CallEvent(FOnDrawCell, this, ACol, ARow, ARect, AState);
}

void TCustomGrid::Paint() {
  TCanvas& canvas = Canvas();
  const TRect client = ClientRect();
  const bool focused = Focused();
  auto shown = [](const std::vector<int>& Sizes, int Fixed, int First, int Room) {
    std::vector<int> list;
    int at = 0;
    for (int i = 0; i < Fixed && at < Room; ++i) {
      list.push_back(i);
      at += Sizes[static_cast<size_t>(i)];
    }
    for (int i = First; i < static_cast<int>(Sizes.size()) && at < Room; ++i) {
      list.push_back(i);
      at += Sizes[static_cast<size_t>(i)];
    }
    return list;
  };
  const std::vector<int> cols = shown(FColWidths, FFixedCols, FLeftCol, client.Width());
  const std::vector<int> rows = shown(FRowHeights, FFixedRows, FTopRow, client.Height());
  for (int row : rows) {
    const int y = RowY(row);
    const int h = FRowHeights[static_cast<size_t>(row)];
    for (int col : cols) {
      const int x = ColumnX(col);
      const int w = FColWidths[static_cast<size_t>(col)];
      const TRect cell{x, y, x + w, y + h};
      const bool fixed = col < FFixedCols || row < FFixedRows;
      TGridDrawState state;
      if (fixed) state.Include(gdFixed);
      if (!fixed && row == FRow && (col == FCol || FOptions.Contains(goRowSelect))) state.Include(gdSelected);
      if (!fixed && row == FRow && col == FCol && focused) state.Include(gdFocused);
      canvas.Brush().SetStyle(bsSolid);
      canvas.Brush().SetColor(fixed ? FFixedColor : IsHighlighted(state) ? clHighlight : Color());
      canvas.FillRect(cell);
      canvas.Font().Assign(*Font());
      DrawCell(col, row, cell, state);
      if (state.Contains(gdFocused) && !FOptions.Contains(goRowSelect)) canvas.DrawFocusRect(cell);
      if (FGridLineWidth > 0) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(fixed ? clBtnShadow : clSilver);
        if (FOptions.Contains(fixed ? goFixedVertLine : goVertLine))
          canvas.FillRect(TRect{cell.Right, cell.Top, cell.Right + FGridLineWidth, cell.Bottom + FGridLineWidth});
        if (FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine))
          canvas.FillRect(TRect{cell.Left, cell.Bottom, cell.Right + FGridLineWidth, cell.Bottom + FGridLineWidth});
      }
    }
  }
}
