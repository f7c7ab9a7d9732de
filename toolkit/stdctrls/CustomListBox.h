#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "FormTypes.h"
#include "ListControlItems.h"
#include "NativeControl.h"

// A list of lines to pick from (the platform's "LISTBOX" class) with its own vertical scroll bar,
// shown when there are more lines than fit. ItemIndex is the selected line (-1 for none); a
// selection by the user runs OnClick. With MultiSelect several lines can be selected (Selected).
// ItemHeight 0 means the font's natural height. MultiSelect and BorderStyle change the window's
// styles, so changing them makes the window again (items and selection stay).
class TCustomListBox : public TNativeControl {
  VEXA_CLASS(TCustomListBox, TNativeControl)

public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int ItemIndex() const;
  void SetItemIndex(int Value);
  int ItemHeight() const;
  void SetItemHeight(int Value);
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool Value) { FItems->SetSorted(Value); }
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  int SelCount() const;
  int TopIndex() const;
  void SetTopIndex(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  void Clear() { FItems->Clear(); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;

private:
  std::unique_ptr<TListControlItems> FItems;
  int FItemIndex = -1;
  int FItemHeight = 0;
  int FTopIndex = 0;
  bool FMultiSelect = false;
  std::vector<int> FSavedSelection;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
};
