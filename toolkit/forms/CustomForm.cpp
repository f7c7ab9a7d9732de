#include "CustomForm.h"

#include <vector>

#include "Application.h"
#include "ClassesErrors.h"
#include "ControlMessages.h"
#include "FormsErrors.h"
#include "Publisher.h"
#include "Screen.h"

VEXA_DEFINE_CLASS(TCustomForm) {}

namespace {

// While a form is modal, every other visible, enabled top-level form is disabled; they are
// enabled again, and the window that was active is activated again, when the scope ends.
class TModalScope {
public:
  explicit TModalScope(TCustomForm& Modal) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* form = Screen->Forms(i);
      if (form == &Modal || form->Parent() || !form->HandleAllocated()) continue;
      HWND window = form->Handle();
      if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        FDisabled.push_back(window);
      }
    }
  }
  ~TModalScope() {
    for (HWND window : FDisabled)
      if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;

private:
  std::vector<HWND> FDisabled;
};

}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), FIcon(std::make_unique<TIcon>()) {
  FIcon->SetOnChange([this](TObject*) { IconChanged(); });
  FVisible = false;
  FWidth = 320;
  FHeight = 240;
  SetParentFont(false);
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  MarkDestroying();
  try {
    CallEvent(FOnDestroy, this);
  } catch (...) {
    try {
      Application->HandleException(this);
    } catch (...) {
      // Nothing may leave a destructor.
    }
  }
  Application->FormDestroying(this);
  DestroyHandle();
  Screen->RemoveForm(this);
  // The components go while the form is whole: they may still talk to it.
  DestroyComponents();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  BorderChanged();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  BorderChanged();
}

void TCustomForm::BorderChanged() {
  if (!HandleAllocated()) return;
  RecreateWnd();
  Perform(CM_BORDERCHANGED);
}

void TCustomForm::SetMenu(TMenuBarSource* Value) {
  if (Value == FMenu) return;
  if (FMenuComponent) FMenuComponent->RemoveFreeNotification(this);
  FMenu = Value;
  FMenuComponent = dynamic_cast<TComponent*>(Value);
  if (FMenuComponent) FMenuComponent->FreeNotification(this);
  MenuChanged();
}

TComponent* TCustomForm::MenuComponent() const { return FMenuComponent; }

void TCustomForm::SetMenuComponent(TComponent* Value) {
  if (!Value) return SetMenu(nullptr);
  auto* menu = dynamic_cast<TMenuBarSource*>(Value);
  if (!menu) throw EPropertyError(Value->Name() + " is a " + Value->ClassName() + ", which cannot be a form's menu");
  SetMenu(menu);
}

void TCustomForm::MenuChanged() {
  if (!HandleAllocated() || Parent()) return;
  HMENU menu = FMenu ? FMenu->Handle() : nullptr;
  if (GetMenu(Handle()) == menu) DrawMenuBar(Handle());
  else ::SetMenu(Handle(), menu);
}

void TCustomForm::SetIcon(TIcon* Value) {
  // The icon's OnChange shows the new one.
  if (Value && !Value->Empty()) FIcon->AssignHandle(Value->Handle());
  else FIcon->Clear();
}

void TCustomForm::IconChanged() {
  if (!HandleAllocated()) return;
  HICON icon = !FIcon->Empty() ? FIcon->Handle() : Application->Icon()->Handle();
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (Value == FWindowState) return;
  FWindowState = Value;
  if (HandleAllocated() && IsWindowVisible(Handle())) ShowWindow(Handle(), ShowCommand());
}

int TCustomForm::ShowCommand() const {
  switch (FWindowState) {
    case wsMaximized: return SW_SHOWMAXIMIZED;
    case wsMinimized: return SW_SHOWMINIMIZED;
    default: return Parent() ? SW_SHOWNA : SW_SHOWNORMAL;
  }
}

void TCustomForm::SetActiveControl(TWinControl* Value) {
  if (Value == FActiveControl) return;
  if (Value && (!ContainsControl(Value) || Value == this))
    throw EInvalidOperation("Cannot make a control of another form the active control of " + Name());
  FActiveControl = Value;
  if (Value && FActive && Value->CanFocus()) Value->SetFocus();
}

void TCustomForm::DefocusControl(TControl* Control) {
  if (!FActiveControl) return;
  if (Control == FActiveControl ||
      (Control->IsWindowed() && static_cast<TWinControl*>(Control)->ContainsControl(FActiveControl)))
    FActiveControl = nullptr;
}

void TCustomForm::FocusChanged(TWinControl* Control) {
  if (Control != this) FActiveControl = Control;
}

void TCustomForm::SetVisible(bool Value) {
  if (ComponentState().Contains(csLoading)) {
    FVisible = Value;  // DoCreate shows the form once it is complete
    return;
  }
  const bool shown = HandleAllocated() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE);
  if (Value == FVisible && Value == shown) return;
  FVisible = Value;
  if (Value) {
    HandleNeeded();
    if (!FPositioned) {
      FPositioned = true;
      ApplyPosition();
    }
    CallEvent(FOnShow, this);
    ShowWindow(Handle(), ShowCommand());
  } else {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    CallEvent(FOnHide, this);
  }
  Perform(CM_VISIBLECHANGED, Value);
  RequestParentAlign();
}

void TCustomForm::Show() {
  SetVisible(true);
  if (!Parent()) SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TCustomForm::ApplyPosition() {
  if (Parent()) return;
  TCustomForm* main = Application->MainForm();
  const bool overMain = FPosition == poMainFormCenter && main && main != this && main->HandleAllocated();
  if (FPosition == poScreenCenter || FPosition == poMainFormCenter) {
    RECT area{0, 0, Screen->Width(), Screen->Height()};
    if (overMain) area = main->BoundsRect().ToRECT();
    SetBounds(area.left + (area.right - area.left - Width()) / 2, area.top + (area.bottom - area.top - Height()) / 2,
              Width(), Height());
  }
}

void TCustomForm::RestoreShowing() {
  if (FVisible && HandleAllocated()) ShowWindow(Handle(), ShowCommand());
}

void TCustomForm::SetModalResult(TModalResult Value) {
  FModalResult = Value;
  // Wakes the modal loop if it waits for a message.
  if (FModal && Value != mrNone && HandleAllocated()) PostMessageW(Handle(), WM_NULL, 0, 0);
}

TModalResult TCustomForm::ShowModal() {
  if (FVisible || !Enabled() || FModal || Parent())
    throw EInvalidOperation("Cannot make a visible, disabled, embedded or modal form modal");
  if (HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  FModalResult = mrNone;
  FModal = true;
  bool quit = false;
  HWND previousActive = GetActiveWindow();
  {
    TModalScope scope(*this);
    try {
      Show();
      while (FModalResult == mrNone) {
        if (!Application->HandleMessage()) {
          quit = true;
          FModalResult = mrCancel;
          break;
        }
        if (FModalResult != mrNone) CloseModal();
      }
    } catch (...) {
      FModal = false;
      throw;
    }
    FModal = false;
    // The others are enabled before the form goes, so the platform can activate one of them.
  }
  Hide();
  if (previousActive && IsWindow(previousActive) && IsWindowVisible(previousActive)) SetActiveWindow(previousActive);
  if (quit) PostQuitMessage(0);  // the outer loop ends too
  return FModalResult;
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) FModalResult = mrNone;
  else if (action == caFree) Release();
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  CallEvent(FOnCloseQuery, this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) { CallEvent(FOnClose, this, Action); }

void TCustomForm::Close() {
  if (FModal) return SetModalResult(mrCancel);
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) return Application->Terminate();
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::DoCreate() {
  CallEvent(FOnCreate, this);
  if (FVisible) {
    FVisible = false;
    Show();
  }
}

void TCustomForm::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  DWORD style = Params.Style & (WS_DISABLED | WS_CLIPCHILDREN);
  DWORD exStyle = Params.ExStyle;
  if (Parent()) {
    style |= WS_CHILD | WS_CLIPSIBLINGS | (FVisible ? WS_VISIBLE : 0);
  } else {
    Params.WndParent = nullptr;
    if (FBorderStyle == bsNone) style |= WS_POPUP;
    if (FPosition == poDefault && !FPositioned) Params.X = Params.Y = CW_USEDEFAULT;
  }
  switch (FBorderStyle) {
    case bsSingle: style |= WS_CAPTION; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: style |= WS_CAPTION; exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE; break;
    case bsToolWindow: style |= WS_CAPTION; exStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: style |= WS_CAPTION | WS_THICKFRAME; exStyle |= WS_EX_TOOLWINDOW; break;
    default: break;
  }
  if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
    style |= WS_SYSMENU;
    const bool boxes = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
    if (boxes && FBorderIcons.Contains(biMinimize)) style |= WS_MINIMIZEBOX;
    if (boxes && FBorderIcons.Contains(biMaximize)) style |= WS_MAXIMIZEBOX;
    if (FBorderIcons.Contains(biHelp) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) exStyle |= WS_EX_CONTEXTHELP;
  }
  Params.Style = style;
  Params.ExStyle = exStyle;
}

RECT TCustomForm::FrameInsets() const {
  TCreateParams params;
  CreateParams(params);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, params.Style, FMenu && !Parent(), params.ExStyle);
  return RECT{-r.left, -r.top, r.right, r.bottom};
}

void TCustomForm::CreateWnd() {
  inherited::CreateWnd();
  MenuChanged();
  IconChanged();
}

void TCustomForm::DestroyWnd() {
  // The window would destroy its menu with it; the menu belongs to its component.
  if (HandleAllocated() && GetMenu(Handle())) ::SetMenu(Handle(), nullptr);
  inherited::DestroyWnd();
}

void TCustomForm::PaintWindow(HDC DC) {
  inherited::PaintWindow(DC);
  if (!FOnPaint) return;
  TCanvasBinding binding(FCanvas, DC);
  FCanvas.Prepare(*Font(), Color());
  CallEvent(FOnPaint, this);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  // Compared as components: the menu's other parts are gone by the time its component part says so.
  if (FMenuComponent && AComponent == FMenuComponent) {
    FMenu = nullptr;
    FMenuComponent = nullptr;
    if (HandleAllocated() && !Destroying()) MenuChanged();
  }
}

void TCustomForm::HandleActivate(TMessage& Message) {
  const bool active = LOWORD(Message.WParam) != WA_INACTIVE;
  FActive = active;
  if (active) Screen->SetActiveForm(this);
  else if (Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
  DefaultHandler(Message);
  if (active && !HIWORD(Message.WParam) && FActiveControl && FActiveControl->CanFocus() && !FActiveControl->Focused())
    ::SetFocus(FActiveControl->Handle());
  CallEvent(active ? FOnActivate : FOnDeactivate, this);
}

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CLOSE:
      Message.Result = 0;
      return Close();
    case CM_RELEASE:
      Message.Result = 0;
      delete this;  // nothing of the form may be touched after this
      return;
    case WM_ACTIVATE:
      return HandleActivate(Message);
    case CM_TEXTCHANGED:
      Message.Result = 0;  // the caption is in the frame, which the platform repaints
      return;
    case WM_ACTIVATEAPP:
      DefaultHandler(Message);
      Application->SetActive(Message.WParam != 0);
      return;
    case WM_SIZE:
      if (IsWindowVisible(Handle())) {
        if (Message.WParam == SIZE_MAXIMIZED) FWindowState = wsMaximized;
        else if (Message.WParam == SIZE_MINIMIZED) FWindowState = wsMinimized;
        else if (Message.WParam == SIZE_RESTORED) FWindowState = wsNormal;
      }
      break;
    case WM_DESTROY:
      // The menu bar belongs to its menu component: taken off first, the platform does not
      // destroy it with the window.
      if (GetMenu(Handle())) ::SetMenu(Handle(), nullptr);
      break;
    case WM_COMMAND:
      if (Message.LParam == 0 && HIWORD(Message.WParam) == 0 && FMenu && FMenu->DispatchCommand(LOWORD(Message.WParam))) {
        Message.Result = 0;
        return;
      }
      break;
    default:
      break;
  }
  inherited::WndProc(Message);
}
