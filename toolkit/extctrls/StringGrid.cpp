#include "StringGrid.h"

#include <string>

#include "Publisher.h"

VEXA_DEFINE_CLASS(TStringGrid) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(BorderStyle).Default(TBorderStyle::bsSingle);
  // The counts come before the fixed counts, which must stay below them when read.
  PUBLISHED(ColCount).Default(5);
  PUBLISHED(RowCount).Default(5);
  PUBLISHED(Color, "TColor").Default(clWindow).Stored(&TControl::IsColorStored);
  PUBLISHED(Constraints);
  PUBLISHED(DefaultColWidth).Default(64);
  PUBLISHED(DefaultRowHeight).Default(24);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(FixedColor, "TColor").Default(clBtnFace);
  PUBLISHED(FixedCols).Default(1);
  PUBLISHED(FixedRows).Default(1);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(GridLineWidth).Default(1);
  PUBLISHED(Options).Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine});
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ScrollBars).Default(ssBoth);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(TabStop).Default(true);
  PUBLISHED(Visible).Default(true);
}

void TStringGrid::CheckIndex(int ACol, int ARow) const {
  if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount())
    throw EInvalidGridOperation("Grid cell (" + std::to_string(ACol) + ", " + std::to_string(ARow) + ") out of range");
}

std::string TStringGrid::Cells(int ACol, int ARow) const {
  CheckIndex(ACol, ARow);
  auto it = FCells.find({ACol, ARow});
  return it == FCells.end() ? std::string() : it->second;
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value) {
  CheckIndex(ACol, ARow);
  if (Value.empty()) FCells.erase({ACol, ARow});
  else FCells[{ACol, ARow}] = Value;
  const TRect cell = CellRect(ACol, ARow);
  if (!cell.IsEmpty() && HandleAllocated()) {
    const RECT r = cell.ToRECT();
    InvalidateRect(Handle(), &r, FALSE);
  }
}

void TStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  if (ColCount() >= OldColCount && RowCount() >= OldRowCount) return;
  std::erase_if(FCells, [this](const auto& Entry) {
    return Entry.first.first >= ColCount() || Entry.first.second >= RowCount();
  });
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  auto it = FCells.find({ACol, ARow});
  if (it != FCells.end()) {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(IsHighlighted(AState) ? clHighlightText : Font()->Color());
    TRect text{ARect.Left + 2, ARect.Top, ARect.Right - 2, ARect.Bottom};
    canvas.DrawText(it->second, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  inherited::DrawCell(ACol, ARow, ARect, AState);
}
