#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ActionClient.h"
#include "Component.h"
#include "GdiObject.h"
#include "NotifyEvent.h"
#include "ShortCut.h"

class TBasicAction;
class TBitmap;
class TImageList;
class TMenu;

// One entry of a menu, and the sub-menu of its own items. The item keeps a native entry in its
// parent's HMENU in step with its properties: every setter updates it at once. An item with
// sub-items shows them as a native sub-menu (its Handle()).
//
// Ownership: an item is freed by its component owner, if it has one, or else by its parent item;
// freeing an item frees its sub-items and takes it out of its parent (and out of the native menu).
// Remove hands an item back without freeing it; Delete and Clear free.
//
// Native resources, each owned here: the sub-menu HMENU, the item's command id (see
// MenuCommands.h) and the bitmap shown beside the caption (from Bitmap, or from the image list
// of the parent's SubMenuImages or of the menu's Images at ImageIndex).
class TMenuItem : public TComponent, private IActionClient {
  VEXA_CLASS(TMenuItem, TComponent)

public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  // "&" marks the accelerator character ("&&" a literal ampersand); "-" makes a separator.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  // Checking a RadioItem unchecks the RadioItems of its parent with the same GroupIndex.
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  // Shown in bold; one default per sub-menu, so setting it clears the siblings'.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  uint8_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(uint8_t Value);
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t Value) { FHelpContext = Value; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  // A round check mark instead of a tick.
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  // On a menu bar: this item and those after it go to the right end.
  bool RightJustify() const { return FRightJustify; }
  void SetRightJustify(bool Value);
  // Shown after the caption (not on a menu bar); TMenu::IsShortCut finds the item by it.
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  // Kept for the menus that draw themselves; a native menu reserves the check column anyway.
  bool ShowAlwaysCheckable() const { return FShowAlwaysCheckable; }
  void SetShowAlwaysCheckable(bool Value) { FShowAlwaysCheckable = Value; }
  // A hidden item has no native entry; its sub-items and shortcut are out of reach.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // Click toggles Checked first (or the action's Checked when it follows a TAction).
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }

  // The item follows a TAction's Caption, Checked, Enabled, Hint, ImageIndex, ShortCut and Visible
  // from the moment it is linked, and runs the action when clicked without an OnClick of its own.
  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);

  const TNotifyEvent& OnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent Value) { FOnClick = std::move(Value); }

  // The item's own picture (made on first use); it wins over ImageIndex when not empty. After
  // drawing on the returned bitmap, SetBitmap(Bitmap()) shows the change.
  TBitmap* Bitmap() const;
  bool HasBitmap() const;
  // Copies Value's size, pixels and transparency; null clears the picture.
  void SetBitmap(const TBitmap* Value);
  // The images of this item's sub-items (instead of the menu's Images). Not owned.
  TImageList* SubMenuImages() const { return FSubMenuImages; }
  void SetSubMenuImages(TImageList* Value);

  // The tree.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const;  // EMenuError out of range
  TMenuItem* Parent() const { return FParent; }
  int IndexOf(const TMenuItem* Item) const;  // -1 when not a sub-item
  int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
  // EMenuError when Item already has a parent, would contain this item, or Index is out of
  // [0, Count()].
  void Add(TMenuItem* Item) { Insert(Count(), Item); }
  void Insert(int Index, TMenuItem* Item);
  // Takes Item out without freeing it: its owner, or the caller, frees it.
  void Remove(TMenuItem* Item);
  // Takes the sub-item at Index out and frees it.
  void Delete(int Index);
  void Clear();

  // Runs the item, when enabled: AutoCheck, then OnClick or, without one, the action.
  virtual void Click();

  // The id of this item's WM_COMMAND and of a popup's return value.
  UINT Command() const { return FCommand; }
  // The native sub-menu of this item (made on first use; a menu bar for a TMainMenu's root).
  HMENU Handle() const;
  // The menu whose tree holds this item, or null.
  TMenu* GetParentMenu() const;
  bool IsLine() const { return FCaption == "-"; }

protected:
  // Tells the menu (OnChange) that this item changed; Rebuild when items came or went.
  void Changed(bool Rebuild);

private:
  friend class TMenu;

  void ActionChanged(TBasicAction* Sender) override;
  void ActionDestroyed(TBasicAction* Sender) override;

  // The native entry in the parent's HMENU, kept at the position of this item among the visible
  // sub-items.
  int NativePosition() const;
  void FillNativeInfo(MENUITEMINFOW& Info, std::wstring& Text) const;
  void InsertNativeEntry();
  void RemoveNativeEntry();
  void UpdateNativeEntry();
  // Rebuilds the native picture and the entries of this item and everything below it (after a
  // move to another menu, or a change of the images).
  void UpdateTree();
  void UpdateImage();
  TImageList* ImageList() const;
  bool IsOnMenuBar() const;
  void TurnSiblingsOff();

  std::string FCaption;
  bool FChecked = false;
  bool FDefault = false;
  bool FEnabled = true;
  uint8_t FGroupIndex = 0;
  int32_t FHelpContext = 0;
  std::string FHint;
  int32_t FImageIndex = -1;
  bool FRadioItem = false;
  bool FRightJustify = false;
  TShortCut FShortCut = scNone;
  bool FShowAlwaysCheckable = false;
  bool FVisible = true;
  bool FAutoCheck = false;
  TBasicAction* FAction = nullptr;
  TNotifyEvent FOnClick;
  mutable std::unique_ptr<TBitmap> FBitmap;
  TImageList* FSubMenuImages = nullptr;

  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
  TMenu* FMenu = nullptr;     // set on a menu's root item only
  bool FMenuBar = false;      // a root whose handle is a menu bar
  bool FInNative = false;     // the parent's HMENU holds this item's entry
  UINT FCommand;
  mutable HMENU FHandle = nullptr;
  GdiObject<HBITMAP> FNativeBitmap;
};
