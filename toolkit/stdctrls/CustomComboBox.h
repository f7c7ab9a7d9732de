#pragma once
#include <windows.h>

#include <memory>

#include "ListControlItems.h"
#include "NativeControl.h"
#include "NotifyEvent.h"
#include "StdCtrlsTypes.h"

// A combo box (the platform's "COMBOBOX" class): an edit or a selection field with a list of
// Items. Style picks the kind (csDropDown, csSimple, csDropDownList); changing it makes the window
// again. ItemIndex is the selected line (-1 for none); Text is what the field shows (for a
// drop-down list, setting it selects the line with that text). OnChange runs when the text
// changes by typing or by a selection, OnSelect after a selection from the list. DroppedDown opens
// and closes the list. The window is made DropDownCount lines taller than Height, which leaves
// room for the list; the platform keeps the closed box at its own height.
class TCustomComboBox : public TNativeControl {
  VEXA_CLASS(TCustomComboBox, TNativeControl)

public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int ItemIndex() const;
  void SetItemIndex(int Value);
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool Value) { FItems->SetSorted(Value); }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  bool DroppedDown() const;
  void SetDroppedDown(bool Value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  void Clear();

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  const TNotifyEvent& OnSelect() const { return FOnSelect; }
  void SetOnSelect(TNotifyEvent Value) { FOnSelect = std::move(Value); }
  const TNotifyEvent& OnDropDown() const { return FOnDropDown; }
  void SetOnDropDown(TNotifyEvent Value) { FOnDropDown = std::move(Value); }
  const TNotifyEvent& OnCloseUp() const { return FOnCloseUp; }
  void SetOnCloseUp(TNotifyEvent Value) { FOnCloseUp = std::move(Value); }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void Change();

private:
  int ListHeight() const;
  void SelectText(const std::string& Text);

  std::unique_ptr<TListControlItems> FItems;
  TComboBoxStyle FStyle = csDropDown;
  int FItemIndex = -1;
  int FDropDownCount = 8;
  int FMaxLength = 0;
  TNotifyEvent FOnChange, FOnSelect, FOnDropDown, FOnCloseUp;
};
