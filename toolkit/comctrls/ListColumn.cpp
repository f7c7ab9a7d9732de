#include "ListColumn.h"

#include "CustomListView.h"
#include "ListColumns.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TListColumn) {
  PUBLISHED(Alignment).Default(taLeftJustify);
  PUBLISHED(Caption);
  PUBLISHED(ImageIndex).Default(-1);
  PUBLISHED(Width).Default(50);
}

TCustomListView* TListColumn::ListView() const {
  const auto* columns = dynamic_cast<const TListColumns*>(Collection());
  return columns ? &columns->ListView() : nullptr;
}

void TListColumn::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Changed(false);
}

int TListColumn::Width() const {
  TCustomListView* view = ListView();
  const int index = Index();
  if (view && index >= 0) {
    const int width = view->ColumnWidth(index);
    if (width >= 0) return width;
  }
  return FWidth;
}

void TListColumn::SetWidth(int Value) {
  if (Value < 0) Value = 0;
  FWidth = Value;
  Changed(false);
}

void TListColumn::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Changed(false);
}

void TListColumn::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  Changed(false);
}
