#pragma once
#include <string>

#include "CollectionItem.h"
#include "StdCtrlsTypes.h"

// One part of a status bar: its text, its width in pixels (the last panel also takes what is left)
// and the alignment of its text.
class TStatusPanel : public TCollectionItem {
  VEXA_CLASS(TStatusPanel, TCollectionItem)

public:
  explicit TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

  const std::string& Text() const { return FText; }
  void SetText(const std::string& Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

  std::string DisplayName() const override { return FText.empty() ? inherited::DisplayName() : FText; }

private:
  std::string FText;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
};
