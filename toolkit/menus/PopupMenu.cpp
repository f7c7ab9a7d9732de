#include "PopupMenu.h"

#include <optional>

#include "MenuCommands.h"
#include "PopupOwnerWindow.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TPopupMenu) {
  PUBLISHED(Alignment).Default(paLeft);
  PUBLISHED(AutoPopup).Default(true);
  PUBLISHED(TrackButton).Default(tbRightButton);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner, false) {}

UINT TPopupMenu::TrackFlags() const {
  UINT flags = TPM_RETURNCMD;
  // Only bdRightToLeft mirrors the layout; the other right-to-left modes change reading order.
  if (BiDiMode() == bdRightToLeft) flags |= TPM_LAYOUTRTL;
  switch (FAlignment) {
    case paLeft: flags |= TPM_LEFTALIGN; break;
    case paRight: flags |= TPM_RIGHTALIGN; break;
    case paCenter: flags |= TPM_CENTERALIGN; break;
  }
  flags |= FTrackButton == tbLeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON;
  return flags;
}

void TPopupMenu::Popup(int X, int Y) {
  FPopupPoint = {X, Y};
  DoPopup();
  HWND owner = WindowHandle();
  if (!owner || !IsWindow(owner)) owner = GetActiveWindow();
  std::optional<TPopupOwnerWindow> hidden;
  if (!owner) owner = hidden.emplace().Handle();
  const UINT command = static_cast<UINT>(TrackPopupMenuEx(Handle(), TrackFlags(), X, Y, owner, nullptr));
  hidden.reset();
  DoClose();
  // By id, not by pointer: OnClose may have freed the item.
  if (command != 0) DispatchMenuCommand(command);
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (Value == FPopupComponent) return;
  if (FPopupComponent) RemoveFreeNotification(FPopupComponent);
  FPopupComponent = Value;
  if (FPopupComponent) FPopupComponent->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup() {
  CallEvent(FOnPopup, this);
}

void TPopupMenu::DoClose() {
  CallEvent(FOnClose, this);
}
