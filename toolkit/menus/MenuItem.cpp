#include "MenuItem.h"

#include <algorithm>

#include "Action.h"
#include "Menu.h"
#include "MenuBitmap.h"
#include "MenuCommands.h"
#include "MenuErrors.h"
#include "Publisher.h"
#include "TBitmap.h"
#include "TImageList.h"
#include "TextEncoding.h"

VEXA_DEFINE_CLASS(TMenuItem) {
  PUBLISHED(Action);
  PUBLISHED(AutoCheck).Default(false);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Checked).Default(false);
  PUBLISHED(Default).Default(false);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(GroupIndex).Default(0);
  PUBLISHED(HelpContext, "THelpContext").Default(0);
  PUBLISHED(Hint, "TTranslateString");
  PUBLISHED(ImageIndex, "TImageIndex").Default(-1);
  PUBLISHED(RadioItem).Default(false);
  PUBLISHED(RightJustify).Default(false);
  PUBLISHED(ShortCut, "TShortCut").Default(scNone);
  PUBLISHED(ShowAlwaysCheckable).Default(false);
  PUBLISHED(Visible).Default(true);
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(AllocateMenuCommand(this)) {}

TMenuItem::~TMenuItem() {
  if (FParent) {
    // Remove detaches first and tells the menu last; a throwing OnChange must not end the program
    // from a destructor, and the item is out of the tree by then.
    try {
      FParent->Remove(this);
    } catch (...) {
    }
  }
  if (FAction) FAction->UnRegisterChanges(this);
  // Each sub-item takes its entry out of this item's HMENU as it goes, so the handle is empty
  // (no sub-menu of another item left in it) when it is destroyed.
  while (!FItems.empty()) delete FItems.back();
  if (FHandle) DestroyMenu(FHandle);
  ReleaseMenuCommand(FCommand);
}

// --- properties ------------------------------------------------------------------------------

void TMenuItem::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  UpdateNativeEntry();
  Changed(false);
}

void TMenuItem::SetChecked(bool Value) {
  if (Value == FChecked) return;
  FChecked = Value;
  if (Value && FRadioItem) TurnSiblingsOff();
  UpdateNativeEntry();
  Changed(false);
}

void TMenuItem::SetDefault(bool Value) {
  if (Value == FDefault) return;
  if (Value && FParent)
    for (TMenuItem* sibling : FParent->FItems)
      if (sibling != this) sibling->SetDefault(false);
  FDefault = Value;
  UpdateNativeEntry();
  Changed(false);
}

void TMenuItem::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateNativeEntry();
  Changed(false);
}

void TMenuItem::SetGroupIndex(uint8_t Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  if (FRadioItem && FChecked) TurnSiblingsOff();
}

void TMenuItem::SetImageIndex(int32_t Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  UpdateImage();
  Changed(false);
}

void TMenuItem::SetRadioItem(bool Value) {
  if (Value == FRadioItem) return;
  FRadioItem = Value;
  if (FRadioItem && FChecked) TurnSiblingsOff();
  UpdateNativeEntry();
  Changed(false);
}

void TMenuItem::SetRightJustify(bool Value) {
  if (Value == FRightJustify) return;
  FRightJustify = Value;
  UpdateNativeEntry();
  Changed(false);
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (Value == FShortCut) return;
  FShortCut = Value;
  UpdateNativeEntry();
  Changed(false);
}

void TMenuItem::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  if (FVisible)
    InsertNativeEntry();
  else
    RemoveNativeEntry();
  Changed(true);
}

void TMenuItem::SetAction(TBasicAction* Value) {
  if (Value == FAction) return;
  if (FAction) FAction->UnRegisterChanges(this);
  FAction = Value;
  if (FAction) {
    FAction->RegisterChanges(this);
    ActionChanged(FAction);
  }
}

void TMenuItem::ActionChanged(TBasicAction* Sender) {
  auto* action = dynamic_cast<TAction*>(Sender);
  if (!action) return;
  SetCaption(action->Caption());
  SetChecked(action->Checked());
  SetEnabled(action->Enabled());
  SetHint(action->Hint());
  SetImageIndex(action->ImageIndex());
  SetShortCut(action->ShortCut());
  SetVisible(action->Visible());
}

void TMenuItem::ActionDestroyed(TBasicAction* Sender) {
  if (FAction == Sender) FAction = nullptr;
}

TBitmap* TMenuItem::Bitmap() const {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

bool TMenuItem::HasBitmap() const { return FBitmap && !FBitmap->Empty(); }

void TMenuItem::SetBitmap(const TBitmap* Value) {
  if (!Value) {
    FBitmap.reset();
  } else if (Value != FBitmap.get()) {
    TBitmap* own = Bitmap();
    own->Assign(*Value);
    own->SetTransparent(Value->Transparent());
    if (Value->TransparentMode() == TTransparentMode::tmFixed)
      own->SetTransparentColor(Value->TransparentColor());
    else
      own->SetTransparentMode(Value->TransparentMode());
  }
  UpdateImage();
  Changed(false);
}

void TMenuItem::SetSubMenuImages(TImageList* Value) {
  if (Value == FSubMenuImages) return;
  FSubMenuImages = Value;
  for (TMenuItem* item : FItems) item->UpdateTree();
  Changed(false);
}

// --- tree ------------------------------------------------------------------------------------

TMenuItem* TMenuItem::Items(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EMenuError("Menu index " + std::to_string(Index) + " out of range (" + std::to_string(Count()) + " items)");
  return FItems[static_cast<size_t>(Index)];
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item) throw EMenuError("Cannot insert a null menu item");
  if (Item->FParent) throw EMenuError("Menu item \"" + Item->FCaption + "\" is inserted twice");
  if (Item->FMenu) throw EMenuError("The root item of a menu cannot be inserted into another item");
  for (const TMenuItem* p = this; p; p = p->FParent)
    if (p == Item) throw EMenuError("A menu item cannot contain itself");
  if (Index < 0 || Index > Count())
    throw EMenuError("Menu index " + std::to_string(Index) + " out of range (" + std::to_string(Count()) + " items)");
  Handle();
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  // The item may come from another menu: its pictures follow the new one's images.
  Item->UpdateImage();
  Item->InsertNativeEntry();
  for (TMenuItem* sub : Item->FItems) sub->UpdateTree();
  if (FItems.size() == 1) UpdateNativeEntry();  // this item now opens a sub-menu
  Changed(true);
}

void TMenuItem::Remove(TMenuItem* Item) {
  const int index = IndexOf(Item);
  if (index < 0) throw EMenuError("Menu item \"" + (Item ? Item->FCaption : std::string()) + "\" is not a sub-item of \"" + FCaption + "\"");
  Item->RemoveNativeEntry();
  FItems.erase(FItems.begin() + index);
  Item->FParent = nullptr;
  if (FItems.empty()) UpdateNativeEntry();  // no sub-menu any more
  Changed(true);
}

void TMenuItem::Delete(int Index) {
  TMenuItem* item = Items(Index);
  Remove(item);
  delete item;
}

void TMenuItem::Clear() {
  while (!FItems.empty()) Delete(Count() - 1);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return root->FMenu;
}

// --- behaviour -------------------------------------------------------------------------------

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) {
    if (auto* action = dynamic_cast<TAction*>(FAction))
      action->SetChecked(!action->Checked());  // the item follows
    else
      SetChecked(!FChecked);
  }
  // From a copy: the handler may free this item (and itself with it).
  if (FOnClick)
    CallEvent(FOnClick, this);
  else if (FAction)
    FAction->Execute();
}

void TMenuItem::Changed(bool Rebuild) {
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this, Rebuild);
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* sibling : FParent->FItems)
    if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) sibling->SetChecked(false);
}

// --- native menu -----------------------------------------------------------------------------

HMENU TMenuItem::Handle() const {
  if (!FHandle) {
    FHandle = FMenuBar ? CreateMenu() : CreatePopupMenu();
    if (!FHandle) throw EMenuError("Cannot create a native menu");
  }
  return FHandle;
}

int TMenuItem::NativePosition() const {
  int position = 0;
  for (const TMenuItem* sibling : FParent->FItems) {
    if (sibling == this) break;
    if (sibling->FInNative) ++position;
  }
  return position;
}

bool TMenuItem::IsOnMenuBar() const { return FParent && FParent->FMenuBar; }

void TMenuItem::FillNativeInfo(MENUITEMINFOW& Info, std::wstring& Text) const {
  Info = {};
  Info.cbSize = sizeof(Info);
  Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING | MIIM_BITMAP;
  Info.wID = FCommand;
  Info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  Info.hSubMenu = FItems.empty() ? nullptr : Handle();
  if (IsLine()) {
    Info.fType |= MFT_SEPARATOR;
    Text.clear();
  } else {
    if (FRadioItem) Info.fType |= MFT_RADIOCHECK;
    if (FRightJustify) Info.fType |= MFT_RIGHTJUSTIFY;
    if (FChecked) Info.fState |= MFS_CHECKED;
    if (FDefault) Info.fState |= MFS_DEFAULT;
    std::string text = FCaption;
    // A menu bar has no room for shortcut texts; a sub-menu shows them in its right column.
    if (FShortCut != scNone && !IsOnMenuBar()) {
      const std::string keys = ShortCutToText(FShortCut);
      if (!keys.empty()) text += "\t" + keys;
    }
    Text = Utf8ToWide(text);
    Info.hbmpItem = FNativeBitmap.Get();
  }
  if (!FEnabled) Info.fState |= MFS_DISABLED;
  Info.dwTypeData = Text.data();
  Info.cch = static_cast<UINT>(Text.size());
}

void TMenuItem::InsertNativeEntry() {
  if (FInNative || !FVisible || !FParent || !FParent->FHandle) return;
  MENUITEMINFOW info;
  std::wstring text;
  FillNativeInfo(info, text);
  FInNative = InsertMenuItemW(FParent->FHandle, static_cast<UINT>(NativePosition()), TRUE, &info) != FALSE;
}

void TMenuItem::RemoveNativeEntry() {
  if (!FInNative) return;
  // RemoveMenu, not DeleteMenu: the sub-menu handle stays this item's.
  RemoveMenu(FParent->FHandle, static_cast<UINT>(NativePosition()), MF_BYPOSITION);
  FInNative = false;
}

void TMenuItem::UpdateNativeEntry() {
  if (!FInNative) return;
  MENUITEMINFOW info;
  std::wstring text;
  FillNativeInfo(info, text);
  SetMenuItemInfoW(FParent->FHandle, static_cast<UINT>(NativePosition()), TRUE, &info);
}

TImageList* TMenuItem::ImageList() const {
  if (!FParent) return nullptr;
  if (FParent->FSubMenuImages) return FParent->FSubMenuImages;
  const TMenu* menu = GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

void TMenuItem::UpdateImage() {
  GdiObject<HBITMAP> image;
  if (HasBitmap()) {
    image = CreateMenuItemBitmap(*FBitmap);
  } else if (FImageIndex >= 0) {
    if (const TImageList* list = ImageList()) {
      TBitmap picture;
      if (list->GetBitmap(FImageIndex, picture)) image = CreateMenuItemBitmap(picture);
    }
  }
  // The entry lets go of the old bitmap before it is deleted at the end of this scope.
  std::swap(FNativeBitmap, image);
  UpdateNativeEntry();
}

void TMenuItem::UpdateTree() {
  UpdateImage();
  for (TMenuItem* item : FItems) item->UpdateTree();
}
