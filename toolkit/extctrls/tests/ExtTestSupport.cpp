#include "ExtTestSupport.h"

#include <windowsx.h>

#include <map>

#include "Application.h"
#include "TCanvas.h"
#include "WinControl.h"
#include "WindowAttachment.h"

std::unique_ptr<TForm> MakeHostForm(int ClientWidth, int ClientHeight) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(40, 40, ClientWidth + 40, ClientHeight + 40);
  form->SetClientSize(ClientWidth, ClientHeight);
  form->Show();
  PumpMessages(20);
  return form;
}

void SendMouse(TWinControl& Target, UINT Msg, int X, int Y, WPARAM Flags) {
  SendMessageW(Target.Handle(), Msg, Flags, MAKELPARAM(X, Y));
}

void ClickAt(TWinControl& Target, int X, int Y) { DragClick(Target, POINT{X, Y}, POINT{X, Y}); }

void DragClick(TWinControl& Target, POINT Press, POINT Release) {
  SendMouse(Target, WM_MOUSEMOVE, Press.x, Press.y);
  SendMouse(Target, WM_LBUTTONDOWN, Press.x, Press.y, MK_LBUTTON);
  SendMouse(Target, WM_MOUSEMOVE, Release.x, Release.y, MK_LBUTTON);
  SendMouse(Target, WM_LBUTTONUP, Release.x, Release.y);
}

POINT CentreOf(const TWinControl& Target, const TControl& Control) {
  int x = Control.Left() + Control.Width() / 2;
  int y = Control.Top() + Control.Height() / 2;
  for (const TControl* p = Control.Parent(); p && p != &Target; p = p->Parent()) {
    x += p->Left();
    y += p->Top();
  }
  return POINT{x, y};
}

void SendKey(TWinControl& Target, WORD Key) {
  SendMessageW(Target.Handle(), WM_KEYDOWN, Key, 1);
  SendMessageW(Target.Handle(), WM_KEYUP, Key, static_cast<LPARAM>(0xC0000001u));
}

TColor PixelAt(TWinControl& Window, int X, int Y) {
  HWND handle = Window.Handle();
  UpdateWindow(handle);
  RECT frame;
  GetWindowRect(handle, &frame);
  POINT origin{0, 0};
  ClientToScreen(handle, &origin);
  HDC dc = GetWindowDC(handle);
  const COLORREF color = GetPixel(dc, X + origin.x - frame.left, Y + origin.y - frame.top);
  ReleaseDC(handle, dc);
  return static_cast<TColor>(color);
}

std::unique_ptr<TBitmap> CaptureClient(TWinControl& Window) {
  HWND handle = Window.Handle();
  UpdateWindow(handle);
  RECT client, frame;
  GetClientRect(handle, &client);
  GetWindowRect(handle, &frame);
  POINT origin{0, 0};
  ClientToScreen(handle, &origin);
  auto picture = std::make_unique<TBitmap>(client.right, client.bottom);
  HDC dc = GetWindowDC(handle);
  BitBlt(picture->Canvas().Handle(), 0, 0, client.right, client.bottom, dc, origin.x - frame.left, origin.y - frame.top,
         SRCCOPY);
  ReleaseDC(handle, dc);
  return picture;
}

int CountPixels(const TBitmap& Picture, const TRect& Rect, TColor Color) {
  int count = 0;
  for (int y = Rect.Top; y < Rect.Bottom; ++y)
    for (int x = Rect.Left; x < Rect.Right; ++x) count += Picture.Pixel(x, y) == Color;
  return count;
}

TColor Rgb(TColor Color) { return ColorToRGB(Color); }

namespace {
// By control: the toolkit carries a hook over to the window made when the control's is recreated.
std::map<const TWinControl*, TThirdPartyHook*>& Hooks() {
  static std::map<const TWinControl*, TThirdPartyHook*> hooks;
  return hooks;
}
}  // namespace

TThirdPartyHook::TThirdPartyHook(TWinControl& Control) : FControl(&Control), FWindow(Control.Handle()) {
  Hooks()[FControl] = this;
  FOld = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

TThirdPartyHook::~TThirdPartyHook() {
  Hooks().erase(FControl);
  FWindow = FControl->HandleAllocated() ? FControl->Handle() : nullptr;
  if (FWindow && IsWindow(FWindow) && GetWindowLongPtrW(FWindow, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Procedure))
    SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOld));
}

int TThirdPartyHook::Count(UINT Msg) const {
  int count = 0;
  for (UINT m : FLog) count += m == Msg;
  return count;
}

LRESULT CALLBACK TThirdPartyHook::Procedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto it = Hooks().find(FindControl(Window));
  if (it == Hooks().end()) return CallWindowProcW(&ToolkitWindowProc, Window, Msg, WParam, LParam);
  try {
    it->second->FLog.push_back(Msg);
  } catch (...) {  // out of memory: the message still goes on
  }
  return CallWindowProcW(it->second->FOld, Window, Msg, WParam, LParam);
}
