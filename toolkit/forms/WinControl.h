#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "Control.h"
#include "CreateParams.h"
#include "GdiObject.h"

// A control with a platform window. The window is made on demand (Handle, HandleNeeded) from
// what CreateParams says: the toolkit's common window class for forms and custom-drawn controls,
// or a native class ("BUTTON", "EDIT", "SysTabControl32"...) whose own window procedure then
// handles everything the toolkit does not (see TNativeControl). Either way the window procedure
// stored in the window is the toolkit's, so a procedure installed over it with
// SetWindowLongPtr(GWLP_WNDPROC) sees every message, the toolkit's notifications included.
//
// Children (windowed and graphic) are kept in Controls order; windowed children get their windows
// when this control has one. The layout (Align, Anchors) runs when the client size changes.
//
// The control owns its window: the destructor destroys it, and destroys the child controls too
// (whoever owns them). A window destroyed from outside leaves the control without a handle; the
// next Handle makes a new one.
class TWinControl : public TControl {
  VEXA_CLASS(TWinControl, TControl)

public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  bool IsWindowed() const override { return true; }
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // Destroys the window and makes it again (after a style change). The window gets CM_RECREATEWND
  // first, and the toolkit does the work when that message reaches it: a procedure installed over
  // the toolkit's may drop the message to refuse. Such a procedure is installed on the new window
  // too, and must therefore find its state through the control rather than the old handle.
  void RecreateWnd();

  void SetParent(TWinControl* Value) override;
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const;  // EListError out of range
  bool ContainsControl(const TControl* Control) const;  // a child or a child's child...
  // The topmost visible child at a client point; graphic ones only unless AllowWindowed.
  TControl* ControlAtPos(TPoint Point, bool AllowDisabled, bool AllowWindowed = false) const;

  TRect ClientRect() const override;
  void SetClientSize(int AWidth, int AHeight) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetVisible(bool Value) override;
  bool Showing() const override;
  void SetEnabled(bool Value) override;
  void SetBiDiMode(TBiDiMode Value) override;
  void Invalidate() override;
  void Update() override;

  // Keyboard focus.
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  int TabOrder() const;
  void SetTabOrder(int Value);
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Moves the focus to the next (or previous) focusable control below this one, after Current.
  void SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop);
  TWinControl* FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop) const;

  // Layout of the children; DisableAlign/EnableAlign fold many changes into one layout.
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  void Realign() { RealignFor(nullptr); }
  // Lays out again because Control moved or changed its alignment: among controls of its
  // alignment at the same place, it goes first.
  void RealignFor(TControl* Control);
  bool Aligning() const { return FAligning; }
  TControl* AlignTrigger() const { return FAlignTrigger; }

  const TKeyEvent& OnKeyDown() const { return FOnKeyDown; }
  void SetOnKeyDown(TKeyEvent Value) { FOnKeyDown = std::move(Value); }
  const TKeyEvent& OnKeyUp() const { return FOnKeyUp; }
  void SetOnKeyUp(TKeyEvent Value) { FOnKeyUp = std::move(Value); }
  const TNotifyEvent& OnEnter() const { return FOnEnter; }
  void SetOnEnter(TNotifyEvent Value) { FOnEnter = std::move(Value); }
  const TNotifyEvent& OnExit() const { return FOnExit; }
  void SetOnExit(TNotifyEvent Value) { FOnExit = std::move(Value); }

  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

protected:
  // What window to make: class, styles, position, parent. Overrides call the inherited version.
  virtual void CreateParams(TCreateParams& Params) const;
  // Makes the window a native control of ClassName; CommonControls names the ICC_ classes to
  // register first (0 for the classes of user32).
  static void CreateSubClass(TCreateParams& Params, const wchar_t* ClassName, DWORD CommonControls = 0);
  // Makes the window (CreateWnd) and the windows of the windowed children.
  void CreateHandle();
  // Destroys the window (children's windows go with it).
  void DestroyHandle();
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // The frame the window adds around its client area, for a window not made yet.
  virtual RECT FrameInsets() const;

  // Painting of windows of the toolkit's class: the background and the control's own picture
  // (PaintWindow), then the graphic children, off screen and copied in one step.
  virtual void PaintWindow(HDC DC);
  void PaintControls(HDC DC, const RECT& Area);
  // Lays out the children in Rect (the client area).
  virtual void AlignControls(TRect& Rect);
  // Keys that reach the control; set Key to 0 to consume one.
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  // A windowed control below this one (or this one) took the keyboard focus.
  virtual void FocusChanged(TWinControl* Control);
  // The brush WM_CTLCOLOR* answers with: a solid brush of Color, owned by the control.
  HBRUSH ColorBrush();
  bool IsToolkitClass() const { return FToolkitClass; }

  // After a recreation: show the new window as the old one was (children show by their style).
  virtual void RestoreShowing();
  std::string GetText() const override;
  void FontChanged() override;
  void ColorChanged() override;
  void Loaded() override;

private:
  friend class TControl;
  friend class TAlignLayout;
  friend class TWindowAttachment;

  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  void UpdateBounds();
  void UpdateShowing();
  void ApplyTabStop();
  void DoRecreateWnd();
  void CaptureOuterProcedures();
  void ForgetOuterProcedures();
  bool ReflectToChild(TMessage& Message, HWND Child);
  bool RouteMouseToGraphic(TMessage& Message);
  void TrackMouse();
  void SetHoverControl(TControl* Control);
  void PaintHandler(TMessage& Message);
  void HandleKey(TMessage& Message, bool Down);
  void AnswerCtlColor(TMessage& Message);
  bool HandleSetCursor(TMessage& Message);
  void CollectTabOrder(std::vector<TWinControl*>& List) const;

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;   // the procedure the toolkit's passes unhandled messages to
  WNDPROC FOuterWndProc = nullptr;  // a procedure installed over the toolkit's, kept across recreation
  bool FToolkitClass = false;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
  int FAlignLevel = 0;
  bool FAligning = false;
  bool FAlignPending = false;
  TControl* FAlignTrigger = nullptr;
  bool FMouseInside = false;
  TControl* FCaptureControl = nullptr;  // graphic child holding the mouse
  TControl* FHoverControl = nullptr;    // graphic child under the mouse
  GdiObject<HBRUSH> FBrush;
  TKeyEvent FOnKeyDown, FOnKeyUp;
  TNotifyEvent FOnEnter, FOnExit;
};

// The toolkit control of a window made by the toolkit, or null.
TWinControl* FindControl(HWND Window);
