#pragma once
#include <memory>
#include <string>

#include "Persistent.h"
#include "StringList.h"

class TListItems;

// One item of a list view: its caption (first column), the texts of the further columns
// (SubItems), its image (-1 for none) and whether it is selected. Items are made and owned by their
// TListItems.
class TListItem : public TPersistent {
  VEXA_CLASS(TListItem, TPersistent)

public:
  explicit TListItem(TListItems& Owner);
  ~TListItem() override;

  TListItems& Owner() const { return FOwner; }
  int Index() const;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  TStrings* SubItems() const { return FSubItems.get(); }
  void SetSubItems(TStrings* Value) { FSubItems->Assign(Value); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool Selected() const;
  void SetSelected(bool Value);
  // Free for the application's use.
  void* Data() const { return FData; }
  void SetData(void* Value) { FData = Value; }

private:
  friend class TCustomListView;
  void Changed();

  TListItems& FOwner;
  std::string FCaption;
  std::unique_ptr<TStringList> FSubItems;
  int FImageIndex = -1;
  bool FSelected = false;  // kept while the view has no window
  void* FData = nullptr;
};
