#pragma once
#include <memory>
#include <vector>

#include "CustomGroupBox.h"
#include "RadioButton.h"
#include "StringList.h"

// A group box holding one radio button per line of Items, laid out in Columns columns (filled top
// to bottom, then left to right). The buttons are real child TRadioButton controls that the group
// owns; they follow every change of Items (added, removed, renamed) and are laid out again when
// Columns, the size or the font change. ItemIndex is the checked button (-1 for none); checking a
// button, by a click or through ItemIndex, sets ItemIndex and runs OnClick.
class TCustomRadioGroup : public TCustomGroupBox {
  VEXA_CLASS(TCustomRadioGroup, TCustomGroupBox)

public:
  explicit TCustomRadioGroup(TComponent* AOwner);
  ~TCustomRadioGroup() override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int Columns() const { return FColumns; }
  void SetColumns(int Value);  // 1 to 16
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);  // clamped to -1 .. item count - 1

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TRadioButton* Buttons(int Index) const;  // EListError out of range

protected:
  void Loaded() override;
  void Resize() override;
  void FontChanged() override;

private:
  void UpdateButtons();
  void ArrangeButtons();
  void ButtonClicked(TRadioButton* Button);
  void CheckItemIndex();

  std::unique_ptr<TStringList> FItems;
  std::vector<TRadioButton*> FButtons;  // children of this group; deleted with it
  int FColumns = 1;
  int FItemIndex = -1;
  bool FUpdating = false;
};
