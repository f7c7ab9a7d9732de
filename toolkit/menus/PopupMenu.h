#pragma once
#include <windows.h>

#include "Menu.h"
#include "NotifyEvent.h"

// Which side of the popup point the menu opens on (mirrored for right-to-left alignment).
VEXA_ENUM(TPopupAlignment, paLeft, paRight, paCenter)
// The mouse button that chooses items while the menu tracks.
VEXA_ENUM(TTrackButton, tbRightButton, tbLeftButton)

// A context menu shown at a screen point by Popup, which returns when the menu has closed.
class TPopupMenu : public TMenu {
  VEXA_CLASS(TPopupMenu, TMenu)

public:
  explicit TPopupMenu(TComponent* AOwner);

  // OnPopup, the menu loop (modal) owned by WindowHandle(), else the active window, else a hidden
  // window of its own, then OnClose, then the chosen item's Click. Handlers' exceptions reach the
  // caller; an item freed by OnClose is simply not clicked.
  virtual void Popup(int X, int Y);
  // The point given to the last Popup.
  POINT PopupPoint() const { return FPopupPoint; }
  // The TPM_ flags Popup passes on: alignment, track button and TPM_RETURNCMD, plus TPM_LAYOUTRTL
  // for bdRightToLeft. The system mirrors the alignment flags of a mirrored popup itself, so
  // paLeft then opens the menu to the left of the point, as a right-to-left reader expects.
  UINT TrackFlags() const;

  // The component the menu was opened for, set by whoever opens it; forgotten when it is freed.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  TTrackButton TrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }
  // Whether a control opens this menu by itself on a right click (the control's decision).
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }

  const TNotifyEvent& OnPopup() const { return FOnPopup; }
  void SetOnPopup(TNotifyEvent Value) { FOnPopup = std::move(Value); }
  const TNotifyEvent& OnClose() const { return FOnClose; }
  void SetOnClose(TNotifyEvent Value) { FOnClose = std::move(Value); }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void DoPopup();
  virtual void DoClose();

private:
  POINT FPopupPoint{};
  TComponent* FPopupComponent = nullptr;
  TPopupAlignment FAlignment = paLeft;
  TTrackButton FTrackButton = tbRightButton;
  bool FAutoPopup = true;
  TNotifyEvent FOnPopup;
  TNotifyEvent FOnClose;
};
