#include "ControlTestSupport.h"

#include <algorithm>
#include <map>

#include "Application.h"
#include "WinControl.h"
#include "WindowAttachment.h"

std::unique_ptr<TForm> MakeHostForm(int Width, int Height) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(60, 60, Width, Height);
  form->Show();
  PumpMessages();
  return form;
}

namespace {
std::map<TWinControl*, TSubclassProbe*>& Probes() {
  static std::map<TWinControl*, TSubclassProbe*> probes;
  return probes;
}
}  // namespace

TSubclassProbe::TSubclassProbe(TWinControl& Control) : FControl(&Control), FWindow(Control.Handle()) {
  Probes()[FControl] = this;
  FOld = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

TSubclassProbe::~TSubclassProbe() {
  Probes().erase(FControl);
  if (IsWindow(FWindow) && GetWindowLongPtrW(FWindow, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Procedure))
    SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOld));
}

int TSubclassProbe::Count(UINT Msg) const {
  return static_cast<int>(std::count_if(FLog.begin(), FLog.end(), [Msg](const TMessage& m) { return m.Msg == Msg; }));
}

LRESULT CALLBACK TSubclassProbe::Procedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* control = FindControl(Window);
  auto it = control ? Probes().find(control) : Probes().end();
  if (it == Probes().end()) return CallWindowProcW(&ToolkitWindowProc, Window, Msg, WParam, LParam);
  TSubclassProbe& self = *it->second;
  self.FWindow = Window;
  self.FLog.push_back(TMessage{Msg, WParam, LParam, 0});
  return CallWindowProcW(self.FOld, Window, Msg, WParam, LParam);
}


std::vector<std::vector<COLORREF>> CaptureClient(HWND Window) {
  RECT client;
  GetClientRect(Window, &client);
  RECT frame;
  GetWindowRect(Window, &frame);
  POINT origin{0, 0};
  ClientToScreen(Window, &origin);
  HDC dc = GetWindowDC(Window);
  std::vector<std::vector<COLORREF>> pixels(static_cast<size_t>(client.bottom),
                                            std::vector<COLORREF>(static_cast<size_t>(client.right)));
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x)
      pixels[static_cast<size_t>(y)][static_cast<size_t>(x)] =
          GetPixel(dc, x + origin.x - frame.left, y + origin.y - frame.top);
  ReleaseDC(Window, dc);
  return pixels;
}

void ClickAt(HWND Window, int X, int Y) {
  SendMessageW(Window, WM_MOUSEMOVE, 0, MAKELPARAM(X, Y));
  SendMessageW(Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
  SendMessageW(Window, WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
}

void PressKey(HWND Window, WORD Key) {
  const UINT scan = MapVirtualKeyW(Key, MAPVK_VK_TO_VSC);
  SendMessageW(Window, WM_KEYDOWN, Key, static_cast<LPARAM>(1 | (scan << 16)));
  SendMessageW(Window, WM_KEYUP, Key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

void PostKey(HWND Window, WORD Key) {
  const UINT scan = MapVirtualKeyW(Key, MAPVK_VK_TO_VSC);
  PostMessageW(Window, WM_KEYDOWN, Key, static_cast<LPARAM>(1 | (scan << 16)));
  PostMessageW(Window, WM_KEYUP, Key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

void TypeText(HWND Window, const wchar_t* Text) {
  for (; *Text; ++Text) SendMessageW(Window, WM_CHAR, *Text, 1);
}

DWORD WindowStyle(HWND Window) { return static_cast<DWORD>(GetWindowLongPtrW(Window, GWL_STYLE)); }
DWORD WindowExStyle(HWND Window) { return static_cast<DWORD>(GetWindowLongPtrW(Window, GWL_EXSTYLE)); }

int ChildWindowCount(HWND Window) {
  int count = 0;
  for (HWND child = GetWindow(Window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

RECT RectInParent(HWND Child, HWND Parent) {
  RECT r;
  GetWindowRect(Child, &r);
  MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

