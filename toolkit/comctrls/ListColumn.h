#pragma once
#include <string>

#include "CollectionItem.h"
#include "StdCtrlsTypes.h"

class TCustomListView;

// A column of a list view in report view: its header caption, width in pixels, text alignment and
// header image (-1 for none). Width follows the user dragging the column's edge.
class TListColumn : public TCollectionItem {
  VEXA_CLASS(TListColumn, TCollectionItem)

public:
  explicit TListColumn(TCollection* Collection) : TCollectionItem(Collection) {}

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  int Width() const;
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);

  std::string DisplayName() const override { return FCaption.empty() ? inherited::DisplayName() : FCaption; }

private:
  friend class TCustomListView;  // reads and keeps the width it shows
  TCustomListView* ListView() const;

  std::string FCaption;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  int FImageIndex = -1;
};
