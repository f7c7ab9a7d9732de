#pragma once
#include <windows.h>

#include <memory>

#include "ControlCanvas.h"
#include "FormTypes.h"
#include "MenuBarSource.h"
#include "TIcon.h"
#include "WinControl.h"

// A top-level window of the application (or, with a Parent, a form embedded in another). A form
// class builds its controls in its constructor; their stored values come from the form resource
// read right after construction (FormResource.h), after which DoCreate runs OnCreate and shows the
// form when its resource says Visible.
//
// Forms are listed in Screen from construction to destruction. Showing a form does not make a
// window visible before OnShow ran; hiding it runs OnHide after. Closing asks OnCloseQuery, then
// OnClose decides what happens (hide by default; closing the main form ends the application).
// A form freed from one of its own event handlers must use Release.
class TCustomForm : public TWinControl {
  VEXA_CLASS(TCustomForm, TWinControl)

public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // Changing the border (style or icons) makes the window again, then sends CM_BORDERCHANGED.
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);

  // The main menu shown as the window's menu bar; none removes the bar. The window keeps its size,
  // so the client area shrinks or grows by the bar.
  // Published with the type name TMainMenu and stored by the menu component's name.
  TMenuBarSource* Menu() const { return FMenu; }
  void SetMenu(TMenuBarSource* Value);
  // Menu as a component: the menu component (it must implement TMenuBarSource), or null.
  TComponent* MenuComponent() const;
  void SetMenuComponent(TComponent* Value);
  // Shows the menu's present platform menu again (after the menu rebuilt it).
  void MenuChanged();

  // The window's icon; an empty one shows the application's icon. SetIcon copies Value. Changes
  // made to Icon() in place show at once too (through the icon's OnChange, which the form owns).
  TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(TIcon* Value);
  // Shows the icon again on the window.
  void IconChanged();

  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  // Stored for the form's users; the toolkit does not scroll forms.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value) { FAutoScroll = Value; }
  // True: the form's OnKeyDown/OnKeyUp see keys before the focused control does.
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }

  // The form's window is the active window (followed from WM_ACTIVATE).
  bool Active() const { return FActive; }
  // The control that has (or, while the form is inactive, will get) the focus.
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Value);
  // Forgets Control (and what it contains) as the active control: it is going away.
  void DefocusControl(TControl* Control);

  void SetVisible(bool Value) override;
  void Show();
  void Hide() { SetVisible(false); }
  // Shows the form with every other form disabled, runs messages until ModalResult is set (or
  // the form is closed, which sets mrCancel), hides the form and returns ModalResult.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value);
  bool Modal() const { return FModal; }
  void Close();
  bool CloseQuery();
  // Frees the form once the messages already queued for it are handled.
  void Release();
  // Ends construction: OnCreate, then showing when Visible was read as true.
  void DoCreate();

  TCanvas& Canvas() { return FCanvas; }

  const TNotifyEvent& OnCreate() const { return FOnCreate; }
  void SetOnCreate(TNotifyEvent Value) { FOnCreate = std::move(Value); }
  const TNotifyEvent& OnDestroy() const { return FOnDestroy; }
  void SetOnDestroy(TNotifyEvent Value) { FOnDestroy = std::move(Value); }
  const TNotifyEvent& OnShow() const { return FOnShow; }
  void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
  const TNotifyEvent& OnHide() const { return FOnHide; }
  void SetOnHide(TNotifyEvent Value) { FOnHide = std::move(Value); }
  const TNotifyEvent& OnActivate() const { return FOnActivate; }
  void SetOnActivate(TNotifyEvent Value) { FOnActivate = std::move(Value); }
  const TNotifyEvent& OnDeactivate() const { return FOnDeactivate; }
  void SetOnDeactivate(TNotifyEvent Value) { FOnDeactivate = std::move(Value); }
  const TNotifyEvent& OnPaint() const { return FOnPaint; }
  void SetOnPaint(TNotifyEvent Value) { FOnPaint = std::move(Value); }
  const TCloseEvent& OnClose() const { return FOnClose; }
  void SetOnClose(TCloseEvent Value) { FOnClose = std::move(Value); }
  const TCloseQueryEvent& OnCloseQuery() const { return FOnCloseQuery; }
  void SetOnCloseQuery(TCloseQueryEvent Value) { FOnCloseQuery = std::move(Value); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;
  RECT FrameInsets() const override;
  void RestoreShowing() override;
  void PaintWindow(HDC DC) override;
  void FocusChanged(TWinControl* Control) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void DoClose(TCloseAction& Action);

private:
  void ApplyPosition();
  int ShowCommand() const;
  void CloseModal();
  void HandleActivate(TMessage& Message);
  void BorderChanged();

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TMenuBarSource* FMenu = nullptr;
  TComponent* FMenuComponent = nullptr;  // FMenu as a component, for the news of its destruction
  std::unique_ptr<TIcon> FIcon;
  TWindowState FWindowState = wsNormal;
  TPosition FPosition = poDesigned;
  bool FAutoScroll = false;
  bool FKeyPreview = false;
  bool FActive = false;
  bool FPositioned = false;
  TWinControl* FActiveControl = nullptr;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  TControlCanvas FCanvas;
  TNotifyEvent FOnCreate, FOnDestroy, FOnShow, FOnHide, FOnActivate, FOnDeactivate, FOnPaint;
  TCloseEvent FOnClose;
  TCloseQueryEvent FOnCloseQuery;
};
