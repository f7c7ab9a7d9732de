#include "WinControl.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <atomic>
#include <utility>

#include "AlignLayout.h"
#include "ClassesErrors.h"
#include "ControlMessages.h"
#include "CustomForm.h"
#include "FormsErrors.h"
#include "GraphicControl.h"
#include "OffscreenBuffer.h"
#include "Publisher.h"
#include "TextEncoding.h"
#include "WindowAttachment.h"
#include "WindowClass.h"

VEXA_DEFINE_CLASS(TWinControl) {}

namespace {

// Child windows carry a control id (their "menu" parameter), distinct within the process.
UINT_PTR NextControlId() {
  static std::atomic<unsigned> next{100};
  unsigned id = next++ & 0xFFFF;
  if (id < 100) id = next = 100;  // wrapped round: skip the dialog ids IDOK...
  return id;
}

bool IsMouseMessage(UINT Msg) { return Msg >= WM_MOUSEFIRST && Msg <= WM_MBUTTONDBLCLK && Msg != WM_MOUSEWHEEL; }

bool IsButtonDown(UINT Msg) {
  return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN || Msg == WM_LBUTTONDBLCLK ||
         Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT Msg) { return Msg == WM_LBUTTONUP || Msg == WM_RBUTTONUP || Msg == WM_MBUTTONUP; }

LPCWSTR CursorResource(TCursor Cursor) {
  switch (Cursor) {
    case crCross: return IDC_CROSS;
    case crIBeam: return IDC_IBEAM;
    case crSizeNESW: return IDC_SIZENESW;
    case crSizeNS: return IDC_SIZENS;
    case crSizeNWSE: return IDC_SIZENWSE;
    case crSizeWE: return IDC_SIZEWE;
    case crHourGlass: return IDC_WAIT;
    case crNo: return IDC_NO;
    case crAppStart: return IDC_APPSTARTING;
    case crHelp: return IDC_HELP;
    case crHandPoint: return IDC_HAND;
    case crSizeAll: return IDC_SIZEALL;
    default: return IDC_ARROW;
  }
}

class TPaintScope {
public:
  explicit TPaintScope(HWND Window) : FWindow(Window), FDC(BeginPaint(Window, &FPaint)) {}
  ~TPaintScope() { EndPaint(FWindow, &FPaint); }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;
  HDC DC() const { return FDC; }
  const RECT& Area() const { return FPaint.rcPaint; }

private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

class TSavedDC {
public:
  explicit TSavedDC(HDC DC) : FDC(DC), FSaved(SaveDC(DC)) {}
  ~TSavedDC() { RestoreDC(FDC, FSaved); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

private:
  HDC FDC;
  int FSaved;
};

}  // namespace

TWinControl* FindControl(HWND Window) { return TWindowAttachment::Find(Window); }

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  // The window first: the children's windows go with it, so they leave without repainting.
  DestroyHandle();
  while (!FControls.empty()) delete FControls.back();
  if (Parent()) Parent()->RemoveControl(this);
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle || Destroying()) return;
  if (Parent()) Parent()->HandleNeeded();  // makes the windows of its children too
  if (!FHandle) CreateHandle();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  for (TControl* child : std::vector<TControl*>(FControls))
    if (child->IsWindowed()) static_cast<TWinControl*>(child)->CreateHandle();
}

void TWinControl::DestroyHandle() {
  if (FHandle) DestroyWnd();
}

void TWinControl::CreateParams(TCreateParams& Params) const {
  Params.Caption = Utf8ToWide(FText);
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (FVisible) Params.Style |= WS_VISIBLE;
  if (!FEnabled) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  switch (BiDiMode()) {
    case bdRightToLeft: Params.ExStyle |= WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR; break;
    case bdRightToLeftNoAlign: Params.ExStyle |= WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR; break;
    case bdRightToLeftReadingOnly: Params.ExStyle |= WS_EX_RTLREADING; break;
    default: break;
  }
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
  Params.WndParent = Parent() ? Parent()->FHandle : nullptr;
  Params.WinClassName = kToolkitWindowClass;
}

void TWinControl::CreateSubClass(TCreateParams& Params, const wchar_t* ClassName, DWORD CommonControls) {
  Params.WinClassName = ClassName;
  Params.CommonControls |= CommonControls;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation("Control " + (Name().empty() ? ClassName() : Name()) + " has no parent window");
  const bool toolkitClass = params.WinClassName == kToolkitWindowClass;
  if (toolkitClass) {
    RegisterToolkitWindowClass();
  } else if (params.CommonControls) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), params.CommonControls};
    InitCommonControlsEx(&classes);
  }
  // A top-level window gets its menu bar afterwards: one given here would die with a window whose
  // creation fails.
  HMENU id = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(NextControlId()) : nullptr;
  HWND window;
  {
    TCreationScope scope(*this);
    window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
                             params.Y, params.Width, params.Height, params.WndParent, id, GetModuleHandleW(nullptr),
                             nullptr);
    if (!window && FHandle) TWindowAttachment::Detach(*this);
    scope.RethrowKept();
  }
  if (!window)
    throw EOutOfResources("Cannot create the window of " + (Name().empty() ? ClassName() : Name()) + " (error " +
                          std::to_string(GetLastError()) + ")");
  if (!toolkitClass) TWindowAttachment::AttachNativeWindow(*this, window);
  else if (FHandle != window) TWindowAttachment::AttachToolkitWindow(*this, window);
  if (FOuterWndProc)
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(std::exchange(FOuterWndProc, nullptr)));
  if (!toolkitClass) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
  UpdateBounds();
}

void TWinControl::DestroyWnd() {
  HWND window = FHandle;
  FText = GetText();
  DestroyWindow(window);
  // A procedure installed over ours that kept WM_NCDESTROY to itself leaves us attached.
  if (FHandle == window) TWindowAttachment::Detach(*this);
}

RECT TWinControl::FrameInsets() const {
  TCreateParams params;
  CreateParams(params);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, params.Style, FALSE, params.ExStyle);
  return RECT{-r.left, -r.top, r.right, r.bottom};
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND);
}

void TWinControl::DoRecreateWnd() {
  if (!FHandle) return;
  // The focus goes with the old window; it comes back to the same control on the new one.
  TWinControl* focused = FindControl(GetFocus());
  if (focused && !ContainsControl(focused)) focused = nullptr;
  CaptureOuterProcedures();
  DestroyHandle();
  try {
    CreateHandle();
  } catch (...) {
    ForgetOuterProcedures();
    throw;
  }
  ForgetOuterProcedures();
  RestoreShowing();
  if (focused && focused->HandleAllocated() && focused->CanFocus()) ::SetFocus(focused->FHandle);
}

void TWinControl::RestoreShowing() {}

void TWinControl::CaptureOuterProcedures() {
  if (FHandle) {
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(FHandle, GWLP_WNDPROC));
    FOuterWndProc = current != &ToolkitWindowProc ? current : nullptr;
  }
  for (TControl* child : FControls)
    if (child->IsWindowed()) static_cast<TWinControl*>(child)->CaptureOuterProcedures();
}

void TWinControl::ForgetOuterProcedures() {
  FOuterWndProc = nullptr;
  for (TControl* child : FControls)
    if (child->IsWindowed()) static_cast<TWinControl*>(child)->ForgetOuterProcedures();
}

void TWinControl::SetParent(TWinControl* Value) {
  if (Value == Parent()) return;
  CheckNewParent(Value);
  const bool topLevelChange = (Parent() == nullptr) != (Value == nullptr);
  const bool hadHandle = FHandle != nullptr;
  if (hadHandle) {
    if (topLevelChange || !Value->HandleAllocated()) {
      // A window cannot turn from top-level to child in place; one whose new parent has no window
      // yet is made again with it.
      CaptureOuterProcedures();
      DestroyHandle();
    } else {
      ::SetParent(FHandle, Value->FHandle);
    }
  }
  if (Parent()) Parent()->RemoveControl(this);
  if (Value) Value->InsertControl(this);  // makes the window when the new parent has one
  if (hadHandle && !FHandle && !Value) {
    // A window that can stand alone (a form) is made again at once; a child control simply has no
    // window until it gets a parent again.
    TCreateParams params;
    CreateParams(params);
    if (!(params.Style & WS_CHILD)) {
      CreateHandle();
      RestoreShowing();
    }
  }
  ForgetOuterProcedures();
  if (Parent()) {
    ParentColorChanged();
    ParentFontChanged();
  }
  UpdateAnchorRules();
  Perform(CM_PARENTCHANGED);
}

void TWinControl::InsertControl(TControl* Control) {
  FControls.push_back(Control);
  Control->FParent = this;
  if (Control->IsWindowed()) {
    auto* windowed = static_cast<TWinControl*>(Control);
    FTabList.push_back(windowed);
    if (FHandle && !Destroying()) windowed->CreateHandle();
  } else {
    Control->Invalidate();
  }
  if (Control->Align() != alNone) RealignFor(Control);
}

void TWinControl::RemoveControl(TControl* Control) {
  if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(Control);
  if (FCaptureControl == Control) {
    FCaptureControl = nullptr;
    if (FHandle && GetCapture() == FHandle) ReleaseCapture();
  }
  if (FHoverControl == Control) FHoverControl = nullptr;
  if (!Control->IsWindowed()) Control->Invalidate();
  FControls.erase(std::remove(FControls.begin(), FControls.end(), Control), FControls.end());
  FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), Control), FTabList.end());
  Control->FParent = nullptr;
  if (Control->Align() != alNone && !Destroying()) Realign();
}

TControl* TWinControl::Controls(int Index) const {
  if (Index < 0 || Index >= ControlCount())
    throw EListError("Control index " + std::to_string(Index) + " out of bounds (" + std::to_string(ControlCount()) +
                     " controls)");
  return FControls[static_cast<size_t>(Index)];
}

bool TWinControl::ContainsControl(const TControl* Control) const {
  for (; Control; Control = Control->Parent())
    if (Control == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint Point, bool AllowDisabled, bool AllowWindowed) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* control = *it;
    if (!control->Visible() || (!AllowDisabled && !control->Enabled())) continue;
    if (control->IsWindowed() && !AllowWindowed) continue;
    const TRect r = control->BoundsRect();
    if (Point.X >= r.Left && Point.X < r.Right && Point.Y >= r.Top && Point.Y < r.Bottom) return control;
  }
  return nullptr;
}

TRect TWinControl::ClientRect() const {
  if (FHandle) {
    RECT r;
    GetClientRect(FHandle, &r);
    return TRect::FromRECT(r);
  }
  const RECT frame = FrameInsets();
  const int width = FWidth - static_cast<int>(frame.left + frame.right);
  const int height = FHeight - static_cast<int>(frame.top + frame.bottom);
  return TRect{0, 0, std::max(width, 0), std::max(height, 0)};
}

void TWinControl::SetClientSize(int AWidth, int AHeight) {
  if (!FHandle || IsIconic(FHandle)) {
    const RECT frame = FrameInsets();
    SetBounds(FLeft, FTop, AWidth + static_cast<int>(frame.left + frame.right),
              AHeight + static_cast<int>(frame.top + frame.bottom));
    return;
  }
  // The frame of the window as it is (styles and menu bar), then one correction for what the
  // calculation cannot know: a menu bar that wraps, or a frame computed by another procedure.
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_STYLE)), GetMenu(FHandle) != nullptr,
                     static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_EXSTYLE)));
  SetBounds(FLeft, FTop, AWidth + static_cast<int>(frame.right - frame.left),
            AHeight + static_cast<int>(frame.bottom - frame.top));
  const TRect client = ClientRect();
  if (client.Width() != AWidth || client.Height() != AHeight)
    SetBounds(FLeft, FTop, FWidth + AWidth - client.Width(), FHeight + AHeight - client.Height());
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(Constraints()->ClampWidth(AWidth), 0);
  AHeight = std::max(Constraints()->ClampHeight(AHeight), 0);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if (FHandle) {
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBounds();  // the platform may have refused part of it
  } else {
    const bool sized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (sized) {
      Realign();
      Resize();
    }
  }
  if (!(Parent() && Parent()->Aligning())) UpdateAnchorRules();
  RequestParentAlign();
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  const bool child = (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD) != 0;
  if (!child && IsIconic(FHandle)) return;  // a minimized window keeps its place
  RECT r;
  GetWindowRect(FHandle, &r);
  if (child) MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const bool sized = width != FWidth || height != FHeight;
  if (!sized && r.left == FLeft && r.top == FTop) return;
  FLeft = r.left;
  FTop = r.top;
  FWidth = width;
  FHeight = height;
  if (sized) {
    Realign();
    Resize();
  }
}

void TWinControl::RealignFor(TControl* Control) {
  if (FAligning) return;  // the layout under way places every child
  if (FAlignLevel > 0 || ComponentState().Contains(csLoading) || Destroying()) {
    FAlignPending = true;
    return;
  }
  FAlignPending = false;
  FAligning = true;
  FAlignTrigger = Control;
  try {
    TRect client = ClientRect();
    AlignControls(client);
  } catch (...) {
    FAligning = false;
    FAlignTrigger = nullptr;
    throw;
  }
  FAligning = false;
  FAlignTrigger = nullptr;
}

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0 && --FAlignLevel == 0 && FAlignPending) Realign();
}

void TWinControl::AlignControls(TRect& Rect) { TAlignLayout::Arrange(*this, Rect); }

void TWinControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  UpdateShowing();
  Perform(CM_VISIBLECHANGED, Value);
  RequestParentAlign();
}

void TWinControl::UpdateShowing() {
  if (FHandle && Parent()) ShowWindow(FHandle, FVisible ? SW_SHOWNA : SW_HIDE);
}

bool TWinControl::Showing() const { return FHandle && IsWindowVisible(FHandle); }

void TWinControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  if (FHandle) EnableWindow(FHandle, Value);
  Perform(CM_ENABLEDCHANGED, Value);
  Invalidate();
}

void TWinControl::SetBiDiMode(TBiDiMode Value) {
  if (Value == BiDiMode()) return;
  TControl::SetBiDiMode(Value);
  RecreateWnd();
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !FToolkitClass);
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::SetTabStop(bool Value) {
  if (Value == FTabStop) return;
  FTabStop = Value;
  ApplyTabStop();
}

void TWinControl::ApplyTabStop() {
  if (!FHandle) return;
  LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  style = FTabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrW(FHandle, GWL_STYLE, style);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FTabList;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!Parent()) return;
  auto& list = Parent()->FTabList;
  list.erase(std::find(list.begin(), list.end(), this));
  Value = std::clamp(Value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + Value, this);
}

bool TWinControl::CanFocus() const {
  for (const TWinControl* control = this; control; control = control->Parent())
    if (!control->Visible() || !control->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (!CanFocus())
    throw EInvalidOperation("Cannot focus " + (Name().empty() ? ClassName() : Name()) + ": it is disabled or invisible");
  ::SetFocus(Handle());
}

void TWinControl::CollectTabOrder(std::vector<TWinControl*>& List) const {
  for (TWinControl* child : FTabList) {
    List.push_back(child);
    child->CollectTabOrder(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop) const {
  std::vector<TWinControl*> list;
  CollectTabOrder(list);
  if (list.empty()) return nullptr;
  const auto count = static_cast<int>(list.size());
  int start = static_cast<int>(std::find(list.begin(), list.end(), Current) - list.begin());
  if (start == count) start = GoForward ? count - 1 : 0;
  for (int step = 1; step <= count; ++step) {
    const int i = ((start + (GoForward ? step : -step)) % count + count) % count;
    TWinControl* candidate = list[static_cast<size_t>(i)];
    if (candidate == Current) continue;
    if (candidate->CanFocus() && (!CheckTabStop || candidate->TabStop())) return candidate;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(Current, GoForward, CheckTabStop)) next->SetFocus();
}

void TWinControl::FocusChanged(TWinControl*) {}

HBRUSH TWinControl::ColorBrush() {
  if (!FBrush) FBrush.Reset(CreateSolidBrush(ToColorRef(Color())));
  return FBrush.Get();
}

void TWinControl::FontChanged() {
  if (Destroying()) return;
  if (FHandle && !FToolkitClass) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  TControl::FontChanged();
  for (TControl* child : std::vector<TControl*>(FControls)) child->ParentFontChanged();
}

void TWinControl::ColorChanged() {
  if (Destroying()) return;
  FBrush.Reset();
  TControl::ColorChanged();
  for (TControl* child : std::vector<TControl*>(FControls)) child->ParentColorChanged();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) { CallEvent(FOnKeyDown, this, Key, Shift); }

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) { CallEvent(FOnKeyUp, this, Key, Shift); }

void TWinControl::PaintWindow(HDC DC) {
  RECT client;
  GetClientRect(FHandle, &client);
  FillRect(DC, &client, ColorBrush());
}

void TWinControl::PaintControls(HDC DC, const RECT& Area) {
  for (TControl* control : std::vector<TControl*>(FControls)) {
    auto* graphic = dynamic_cast<TGraphicControl*>(control);
    if (!graphic || !graphic->Visible()) continue;
    const RECT bounds = graphic->BoundsRect().ToRECT();
    RECT visible;
    if (!IntersectRect(&visible, &bounds, &Area)) continue;
    TSavedDC saved(DC);
    OffsetViewportOrgEx(DC, bounds.left, bounds.top, nullptr);
    IntersectClipRect(DC, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    graphic->PaintOn(DC);
  }
}

void TWinControl::PaintHandler(TMessage& Message) {
  if (!FHandle) return DefaultHandler(Message);
  const bool graphicChildren = std::any_of(FControls.begin(), FControls.end(),
                                           [](const TControl* c) { return !c->IsWindowed() && c->Visible(); });
  RECT client;
  GetClientRect(FHandle, &client);
  if (!FToolkitClass) {
    if (!graphicChildren) return DefaultHandler(Message);
    if (Message.WParam) {
      DefaultHandler(Message);
      return PaintControls(reinterpret_cast<HDC>(Message.WParam), client);
    }
    TPaintScope paint(FHandle);
    TMessage native{WM_PAINT, reinterpret_cast<WPARAM>(paint.DC()), 0, 0};
    DefaultHandler(native);
    PaintControls(paint.DC(), paint.Area());
    return;
  }
  Message.Result = 0;
  if (Message.WParam) {
    auto* dc = reinterpret_cast<HDC>(Message.WParam);
    PaintWindow(dc);
    return PaintControls(dc, client);
  }
  TPaintScope paint(FHandle);
  if (IsRectEmpty(&paint.Area())) return;
  TOffscreenBuffer buffer(paint.DC(), client.right, client.bottom);
  PaintWindow(buffer.DC());
  PaintControls(buffer.DC(), paint.Area());
  buffer.CopyTo(paint.DC(), paint.Area());
}

bool TWinControl::ReflectToChild(TMessage& Message, HWND Child) {
  TWinControl* control = FindControl(Child);
  if (!control || control == this) return false;
  Message.Result = SendMessageW(Child, CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  return true;
}

void TWinControl::AnswerCtlColor(TMessage& Message) {
  auto* dc = reinterpret_cast<HDC>(Message.WParam);
  SetTextColor(dc, ToColorRef(Font()->Color()));
  SetBkColor(dc, ToColorRef(Color()));
  Message.Result = reinterpret_cast<LRESULT>(ColorBrush());
}

void TWinControl::TrackMouse() {
  if (FMouseInside) return;
  FMouseInside = true;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle, HOVER_DEFAULT};
  TrackMouseEvent(&track);
  Perform(CM_MOUSEENTER);
}

void TWinControl::SetHoverControl(TControl* Control) {
  if (Control == FHoverControl) return;
  TControl* old = FHoverControl;
  FHoverControl = Control;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (Control && Control == FHoverControl) Control->Perform(CM_MOUSEENTER);
}

bool TWinControl::RouteMouseToGraphic(TMessage& Message) {
  const TPoint point{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  TControl* under = ControlAtPos(point, false);
  if (Message.Msg == WM_MOUSEMOVE) SetHoverControl(under);
  TControl* target = FCaptureControl ? FCaptureControl : under;
  if (!target) return false;
  if (IsButtonDown(Message.Msg) && target->ControlStyle().Contains(csCaptureMouse)) {
    FCaptureControl = target;
    SetCapture(FHandle);
  }
  if (IsButtonUp(Message.Msg) && !(Message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    FCaptureControl = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
  // Last: the graphic control's handlers may free it.
  target->Perform(Message.Msg, Message.WParam, MAKELPARAM(point.X - target->Left(), point.Y - target->Top()));
  Message.Result = 0;
  return true;
}

bool TWinControl::HandleSetCursor(TMessage& Message) {
  if (reinterpret_cast<HWND>(Message.WParam) != FHandle || LOWORD(Message.LParam) != HTCLIENT) return false;
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(FHandle, &p);
  const TControl* under = ControlAtPos(TPoint{p.x, p.y}, false);
  const TCursor cursor = under && under->Cursor() != crDefault ? under->Cursor() : Cursor();
  if (cursor == crDefault) return false;
  ::SetCursor(LoadCursorW(nullptr, CursorResource(cursor)));
  Message.Result = TRUE;
  return true;
}

void TWinControl::HandleKey(TMessage& Message, bool Down) {
  auto key = static_cast<WORD>(Message.WParam);
  const TShiftState shift = KeyboardShiftState();
  TCustomForm* form = GetParentForm(this);
  if (form && static_cast<TControl*>(form) != this && form->KeyPreview()) {
    auto* previewer = static_cast<TWinControl*>(form);
    if (Down) previewer->KeyDown(key, shift);
    else previewer->KeyUp(key, shift);
  }
  if (key) {
    if (Down) KeyDown(key, shift);
    else KeyUp(key, shift);
  }
  if (!key) {
    Message.Result = 0;
    return;
  }
  Message.WParam = key;
  DefaultHandler(Message);
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      return PaintHandler(Message);
    case WM_PRINTCLIENT:
      if (!FToolkitClass) break;
      return PaintHandler(Message);
    case WM_ERASEBKGND:
      if (!FToolkitClass) break;
      Message.Result = 1;  // the paint fills the background off screen
      return;
    case WM_SETFOCUS: {
      DefaultHandler(Message);
      TWinControl* top = this;
      while (top->Parent()) top = top->Parent();
      top->FocusChanged(this);
      Perform(CM_ENTER);
      return;
    }
    case WM_KILLFOCUS:
      DefaultHandler(Message);
      Perform(CM_EXIT);
      return;
    case CM_ENTER:
      CallEvent(FOnEnter, this);
      return;
    case CM_EXIT:
      CallEvent(FOnExit, this);
      return;
    case WM_SETTEXT:
      DefaultHandler(Message);
      if (Message.Result) {
        const auto* text = reinterpret_cast<const wchar_t*>(Message.LParam);
        FText = text ? WideToUtf8(text) : std::string();
        Perform(CM_TEXTCHANGED);
      }
      return;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(Message);
      UpdateBounds();
      return;
    case WM_SIZE:
      // The client area can change without the window's size (a menu bar comes or goes).
      DefaultHandler(Message);
      Realign();
      return;
    case WM_GETMINMAXINFO:
      DefaultHandler(Message);
      if (!Parent()) {
        auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
        const TSizeConstraints& c = *Constraints();
        if (c.MinWidth() > 0) info->ptMinTrackSize.x = c.MinWidth();
        if (c.MinHeight() > 0) info->ptMinTrackSize.y = c.MinHeight();
        if (c.MaxWidth() > 0) info->ptMaxTrackSize.x = info->ptMaxSize.x = c.MaxWidth();
        if (c.MaxHeight() > 0) info->ptMaxTrackSize.y = info->ptMaxSize.y = c.MaxHeight();
        Message.Result = 0;
      }
      return;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam && ReflectToChild(Message, reinterpret_cast<HWND>(Message.LParam))) return;
      break;
    case WM_NOTIFY:
      if (Message.LParam && ReflectToChild(Message, reinterpret_cast<const NMHDR*>(Message.LParam)->hwndFrom)) return;
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      if (item && item->CtlType != ODT_MENU && ReflectToChild(Message, item->hwndItem)) return;
      break;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(Message.LParam);
      if (item && item->CtlType != ODT_MENU &&
          ReflectToChild(Message, GetDlgItem(FHandle, static_cast<int>(item->CtlID))))
        return;
      break;
    }
    case WM_DELETEITEM: {
      const auto* item = reinterpret_cast<const DELETEITEMSTRUCT*>(Message.LParam);
      if (item && ReflectToChild(Message, item->hwndItem)) return;
      break;
    }
    case WM_COMPAREITEM: {
      const auto* item = reinterpret_cast<const COMPAREITEMSTRUCT*>(Message.LParam);
      if (item && ReflectToChild(Message, item->hwndItem)) return;
      break;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (ReflectToChild(Message, reinterpret_cast<HWND>(Message.LParam))) return;
      break;
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC:
      return AnswerCtlColor(Message);
    case WM_SETCURSOR:
      if (HandleSetCursor(Message)) return;
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return HandleKey(Message, true);
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return HandleKey(Message, false);
    case WM_MOUSELEAVE:
      FMouseInside = false;
      SetHoverControl(nullptr);
      Perform(CM_MOUSELEAVE);
      break;
    case CM_RECREATEWND:
      DoRecreateWnd();
      Message.Result = 0;
      return;
    case WM_DESTROY:
      FText = GetText();  // the window takes the text with it
      break;
    case WM_NCDESTROY:
      DefaultHandler(Message);
      FMouseInside = false;
      FCaptureControl = nullptr;
      FHoverControl = nullptr;
      TWindowAttachment::Detach(*this);
      return;
    default:
      if (IsMouseMessage(Message.Msg)) {
        if (Message.Msg == WM_MOUSEMOVE) TrackMouse();
        if (RouteMouseToGraphic(Message)) return;
      }
      return TControl::WndProc(Message);
  }
  DefaultHandler(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  // The toolkit's own messages mean nothing to the platform or to a native control.
  if (Message.Msg >= CM_BASE && Message.Msg < 0xC000) {
    Message.Result = 0;
    return;
  }
  if (!FHandle) {
    Message.Result = 0;
    return;
  }
  Message.Result = CallWindowProcW(FDefWndProc ? FDefWndProc : DefWindowProcW, FHandle, Message.Msg, Message.WParam,
                                   Message.LParam);
}

std::string TWinControl::GetText() const {
  if (!FHandle) return FText;
  const int length = GetWindowTextLengthW(FHandle);
  std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
  const int copied = GetWindowTextW(FHandle, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return WideToUtf8(text);
}
