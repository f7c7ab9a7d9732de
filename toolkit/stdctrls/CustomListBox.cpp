#include "CustomListBox.h"

#include <commctrl.h>

#include "ClassesErrors.h"
#include "ControlMessages.h"
#include "NativeQuery.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomListBox) {}

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TNativeControl(AOwner, L"LISTBOX", ICC_STANDARD_CLASSES),
      FItems(std::make_unique<TListControlItems>(*this, TListMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT})) {
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  SetTabStop(true);
}

TCustomListBox::~TCustomListBox() {
  MarkDestroying();
  DestroyHandle();
}

void TCustomListBox::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | WS_VSCROLL;
  if (FMultiSelect) Params.Style |= LBS_EXTENDEDSEL;
  if (FBorderStyle == TBorderStyle::bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
  inherited::CreateWnd();
  if (FItemHeight > 0) Perform(LB_SETITEMHEIGHT, 0, FItemHeight);
  FItems->Reload();
  if (FMultiSelect) {
    for (int index : FSavedSelection) Perform(LB_SETSEL, TRUE, index);
    FSavedSelection.clear();
    if (FItemIndex >= 0) Perform(LB_SETCARETINDEX, static_cast<WPARAM>(FItemIndex), FALSE);
  } else if (FItemIndex >= 0) {
    Perform(LB_SETCURSEL, static_cast<WPARAM>(FItemIndex));
  }
  Perform(LB_SETTOPINDEX, static_cast<WPARAM>(FTopIndex));
}

void TCustomListBox::DestroyWnd() {
  FItemIndex = ItemIndex();
  FTopIndex = TopIndex();
  FSavedSelection.clear();
  if (FMultiSelect)
    for (int i = 0; i < FItems->Count(); ++i)
      if (Selected(i)) FSavedSelection.push_back(i);
  inherited::DestroyWnd();
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  if (FMultiSelect) return static_cast<int>(QueryWindow(*this, LB_GETCARETINDEX));
  return static_cast<int>(QueryWindow(*this, LB_GETCURSEL));
}

void TCustomListBox::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  FItemIndex = Value;
  if (!HandleAllocated()) return;
  if (FMultiSelect) {
    Perform(LB_SETSEL, FALSE, -1);
    if (Value >= 0) {
      Perform(LB_SETSEL, TRUE, Value);
      Perform(LB_SETCARETINDEX, static_cast<WPARAM>(Value), FALSE);
    }
  } else {
    Perform(LB_SETCURSEL, static_cast<WPARAM>(Value));
  }
}

int TCustomListBox::ItemHeight() const {
  if (HandleAllocated()) return static_cast<int>(QueryWindow(*this, LB_GETITEMHEIGHT));
  return FItemHeight;
}

void TCustomListBox::SetItemHeight(int Value) {
  if (Value < 0) Value = 0;
  FItemHeight = Value;
  if (HandleAllocated() && Value > 0) {
    Perform(LB_SETITEMHEIGHT, 0, Value);
    Invalidate();
  }
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (Value == FMultiSelect) return;
  if (HandleAllocated()) {
    FItemIndex = ItemIndex();
    FTopIndex = TopIndex();
  }
  FMultiSelect = Value;
  RecreateWnd();
}

bool TCustomListBox::Selected(int Index) const {
  if (Index < 0 || Index >= FItems->Count())
    throw EListError("List index " + std::to_string(Index) + " out of bounds");
  if (!HandleAllocated()) return Index == FItemIndex;
  return QueryWindow(*this, LB_GETSEL, static_cast<WPARAM>(Index)) > 0;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= FItems->Count())
    throw EListError("List index " + std::to_string(Index) + " out of bounds");
  if (!FMultiSelect) {
    if (Value) SetItemIndex(Index);
    else if (ItemIndex() == Index) SetItemIndex(-1);
    return;
  }
  if (HandleAllocated()) Perform(LB_SETSEL, Value, Index);
}

int TCustomListBox::SelCount() const {
  if (!HandleAllocated()) return FItemIndex >= 0 ? 1 : 0;
  if (!FMultiSelect) return ItemIndex() >= 0 ? 1 : 0;
  return static_cast<int>(QueryWindow(*this, LB_GETSELCOUNT));
}

int TCustomListBox::TopIndex() const {
  return HandleAllocated() ? static_cast<int>(QueryWindow(*this, LB_GETTOPINDEX)) : FTopIndex;
}

void TCustomListBox::SetTopIndex(int Value) {
  FTopIndex = Value;
  if (HandleAllocated()) Perform(LB_SETTOPINDEX, static_cast<WPARAM>(Value));
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomListBox::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND) {
    Message.Result = 0;
    switch (HIWORD(Message.WParam)) {
      case LBN_SELCHANGE:
        FItemIndex = ItemIndex();
        Click();
        break;
      case LBN_DBLCLK:
        DblClick();
        break;
      default:
        break;
    }
    return;
  }
  inherited::WndProc(Message);
}
