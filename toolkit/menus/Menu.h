#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "Component.h"
#include "ControlTypes.h"
#include "ShortCut.h"

class TImageList;
class TMenuItem;

// Sender is the menu, Source the item that changed (null for the menu's own settings); Rebuild
// when items were added, removed, shown or hidden.
using TMenuChangeEvent = std::function<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;

// What a menu bar and a popup menu share: the tree of items under the root Items(), whose handle
// is the menu's native HMENU, the image list the items take their pictures from, and the reading
// order.
class TMenu : public TComponent {
  VEXA_CLASS(TMenu, TComponent)

public:
  ~TMenu() override;

  TMenuItem* Items() const { return FItems.get(); }
  HMENU Handle() const;

  // Not owned. Changing it (or its pictures, then call SetImages again) redoes every item's picture.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  // A popup menu opens mirrored for bdRightToLeft (see TPopupMenu::TrackFlags). Entries get no
  // MFT_RIGHTORDER: Wine measures such entries as empty, and the mirrored layout of the popup (or
  // of the window showing a menu bar) already orders them right to left.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);

  // The window the menu works for: the window showing a menu bar, the owner of a popup's menu loop.
  HWND WindowHandle() const { return FWindowHandle; }
  virtual void SetWindowHandle(HWND Value) { FWindowHandle = Value; }

  // Fired for every change of an item in the tree, so a window can redraw its menu bar.
  const TMenuChangeEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TMenuChangeEvent Value) { FOnChange = std::move(Value); }

  // For a window's key-down: clicks the first item, in menu order, whose ShortCut is Key with
  // Shift's Shift, Ctrl and Alt, when it and every item above it are visible and enabled.
  // True when an item was clicked (the key is then consumed).
  bool IsShortCut(WORD Key, TShiftState Shift);
  // That item, or null.
  TMenuItem* FindItemByShortCut(TShortCut Value) const;

protected:
  // MenuBar: the root's handle is a menu bar (CreateMenu) rather than a popup menu.
  TMenu(TComponent* AOwner, bool MenuBar);
  // Runs for every change in the tree; the base fires OnChange.
  virtual void MenuChanged(TMenuItem* Source, bool Rebuild);

private:
  friend class TMenuItem;

  std::unique_ptr<TMenuItem> FItems;
  TImageList* FImages = nullptr;
  TBiDiMode FBiDiMode = bdLeftToRight;
  HWND FWindowHandle = nullptr;
  TMenuChangeEvent FOnChange;
};
